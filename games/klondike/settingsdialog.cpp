#include "games/klondike/settingsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace halvane::klondike {

namespace {

QRadioButton* option(const QString& text, const char* name) {
    auto* button = new QRadioButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A titled group of exclusive options.
QGroupBox* group(const QString& title, std::initializer_list<QRadioButton*> options,
                 QObject* owner) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    auto* buttons = new QButtonGroup(owner);
    for (QRadioButton* button : options) {
        buttons->addButton(button);
        layout->addWidget(button);
    }
    return box;
}

} // namespace

SettingsDialog::SettingsDialog(const Choice& choice, QWidget* parent)
    : QDialog(parent), m_drawOne(option(tr("Draw &one card"), "drawOne")),
      m_drawThree(option(tr("Draw &three cards"), "drawThree")),
      m_redealsUnlimited(option(tr("&Unlimited"), "redealsUnlimited")),
      m_redealsThree(option(tr("T&hree times"), "redealsThree")),
      m_redealsOne(option(tr("O&nce"), "redealsOne")),
      m_scoringStandard(option(tr("&Standard"), "scoringStandard")),
      m_scoringNone(option(tr("No&ne"), "scoringNone")),
      m_autoplay(new QCheckBox(tr("&Autoplay: cards no other card needs go up by themselves"))) {
    setWindowTitle(tr("Settings"));
    setObjectName(QStringLiteral("KlondikeSettings"));
    m_autoplay->setObjectName(QStringLiteral("autoplay"));

    (choice.drawCount == 3 ? m_drawThree : m_drawOne)->setChecked(true);
    (choice.redeals == 3   ? m_redealsThree
     : choice.redeals == 1 ? m_redealsOne
                           : m_redealsUnlimited)
        ->setChecked(true);
    (choice.scoring ? m_scoringStandard : m_scoringNone)->setChecked(true);
    m_autoplay->setChecked(choice.autoplay);

    auto* note = new QLabel(tr("A change applies from the next deal."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group(tr("Stock"), {m_drawOne, m_drawThree}, this));
    layout->addWidget(group(tr("Waste back to the stock"),
                            {m_redealsUnlimited, m_redealsThree, m_redealsOne}, this));
    layout->addWidget(group(tr("Scoring"), {m_scoringStandard, m_scoringNone}, this));
    layout->addWidget(m_autoplay);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

SettingsDialog::Choice SettingsDialog::choice() const {
    Choice choice;
    choice.drawCount = m_drawThree->isChecked() ? 3 : 1;
    choice.redeals = m_redealsThree->isChecked() ? 3 : m_redealsOne->isChecked() ? 1 : -1;
    choice.scoring = m_scoringStandard->isChecked();
    choice.autoplay = m_autoplay->isChecked();
    return choice;
}

} // namespace halvane::klondike
