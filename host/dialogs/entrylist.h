#pragma once
// The list box of a chooser: unsorted, one selected entry at most, entry i showing name i
// of the host's list. The host's lists, not this widget, are the record; the chooser
// refills it from them.

#include <QListWidget>
#include <QStringList>

namespace halvane {

class EntryList final : public QListWidget {
    Q_OBJECT
public:
    explicit EntryList(QWidget* parent = nullptr);

    // Replaces the entries by `names` and selects entry `row` (none when it is outside
    // the list) without emitting selection signals: the caller runs its own selection
    // handler once the list is complete.
    void fill(const QStringList& names, int row);

    // Selects entry `row` as fill does, without signals (-1 selects nothing).
    void selectRow(int row);

    // The selected entry's index, or -1 when none is selected.
    int selectedRow() const;

    // The index of the last of the first `count` values equal to `wanted` (exact,
    // case-sensitive), or -1. `count` is clamped to the list's size.
    static int lastMatch(const QStringList& values, int count, const QString& wanted);
};

} // namespace halvane
