#pragma once
// The real file-open page: a QFileDialog asking for one existing file.

#include "host/filechooser.h"

namespace halvane {

class QtFileChooser final : public FileChooser {
public:
    // Modal; the filter (e.g. "*.ini") is the one entry offered. Returns the chosen
    // file's absolute path, or an empty string when the user cancelled.
    QString openFile(QWidget* parent, const QString& folder, const QString& filter) override;
};

} // namespace halvane
