#pragma once
// The file-open page of the common dialog: a modal QFileDialog.

#include "host/filechooser.h"

namespace halvane {

class FileDialogChooser final : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& folder, const QString& filter) override;
};

} // namespace halvane
