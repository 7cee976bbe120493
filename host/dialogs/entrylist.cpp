#include "host/dialogs/entrylist.h"

#include <QSignalBlocker>

#include <algorithm>

namespace halvane {

EntryList::EntryList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
}

void EntryList::fill(const QStringList& names, int row) {
    const QSignalBlocker block(this);
    clear();
    addItems(names);
    selectRow(row);
}

void EntryList::selectRow(int row) {
    // Blocking the widget's own signals is enough: the view still hears its selection
    // model and repaints.
    const QSignalBlocker block(this);
    if (row >= 0 && row < count()) {
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
}

int EntryList::selectedRow() const {
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            return i;
    }
    return -1;
}

int EntryList::lastMatch(const QStringList& values, int count, const QString& wanted) {
    for (int i = std::min(count, int(values.size())) - 1; i >= 0; --i) {
        if (values.at(i) == wanted)
            return i;
    }
    return -1;
}

} // namespace halvane
