#pragma once
// The common dialog's file-open and colour pages, behind a small interface so that tests
// can answer them.

#include <QColor>
#include <QString>

class QWidget;

namespace halvane {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Asks for an existing file, starting in `folder`, offering `filter` (e.g. "*.ini").
    // Returns the chosen path, or an empty string when the user cancelled.
    virtual QString openFile(QWidget* parent, const QString& folder, const QString& filter) = 0;
};

class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // Modal colour picker opened on `current`; returns `current` when the user cancels.
    virtual QColor chooseColor(QWidget* parent, const QColor& current) = 0;
};

} // namespace halvane
