#include "games/kit/instructionsdialog.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace halvane::kit {

InstructionsDialog::InstructionsDialog(const QString& html, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Instructions"));
    setObjectName(QStringLiteral("Instructions"));

    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("instructionsText"));
    browser->setHtml(html);
    browser->setOpenExternalLinks(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(520, 440);
}

} // namespace halvane::kit
