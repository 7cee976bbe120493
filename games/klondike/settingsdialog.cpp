#include "games/klondike/settingsdialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace halvane::klondike {

SettingsDialog::SettingsDialog(int drawCount, QWidget* parent)
    : QDialog(parent), m_drawOne(new QRadioButton(tr("Draw &one card"))),
      m_drawThree(new QRadioButton(tr("Draw &three cards"))) {
    setWindowTitle(tr("Settings"));
    setObjectName(QStringLiteral("KlondikeSettings"));
    m_drawOne->setObjectName(QStringLiteral("drawOne"));
    m_drawThree->setObjectName(QStringLiteral("drawThree"));

    auto* group = new QButtonGroup(this);
    group->addButton(m_drawOne, 1);
    group->addButton(m_drawThree, 3);
    (drawCount == 3 ? m_drawThree : m_drawOne)->setChecked(true);

    auto* box = new QGroupBox(tr("Stock"));
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_drawOne);
    boxLayout->addWidget(m_drawThree);

    auto* note = new QLabel(tr("A change applies from the next deal."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

int SettingsDialog::drawCount() const {
    return m_drawThree->isChecked() ? 3 : 1;
}

} // namespace halvane::klondike
