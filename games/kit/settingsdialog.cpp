#include "games/kit/settingsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace halvane::kit {

SettingsDialog::SettingsDialog(std::vector<SettingChoice> choices, bool autoplay,
                               const Store& store, QWidget* parent)
    : QDialog(parent), m_choices(std::move(choices)),
      m_autoplay(autoplay ? new QCheckBox(
                                tr("&Autoplay: cards no other card needs go up by themselves"))
                          : nullptr) {
    setWindowTitle(tr("Settings"));
    setObjectName(QStringLiteral("GameSettings"));
    auto* layout = new QVBoxLayout(this);
    for (const SettingChoice& choice : m_choices) {
        auto* box = new QGroupBox(choice.title);
        auto* boxLayout = new QVBoxLayout(box);
        auto* group = new QButtonGroup(this);
        const QVariant current = valueOf(choice, store);
        for (std::size_t i = 0; i < choice.options.size(); ++i) {
            auto* button = new QRadioButton(choice.options[i].label);
            button->setObjectName(choice.options[i].objectName);
            button->setChecked(choice.options[i].value == current);
            group->addButton(button, int(i));
            boxLayout->addWidget(button);
        }
        m_groups.push_back(group);
        layout->addWidget(box);
    }
    if (m_autoplay) {
        m_autoplay->setObjectName(QStringLiteral("autoplay"));
        m_autoplay->setChecked(store.value(QStringLiteral("Autoplay"), true).toBool());
        layout->addWidget(m_autoplay);
    }
    layout->addWidget(new QLabel(tr("A change applies from the next deal.")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QVariant SettingsDialog::valueOf(const SettingChoice& choice, const Store& store) {
    const QVariant stored = store.value(choice.key);
    for (const SettingOption& option : choice.options) {
        // Stored values come back as text from the file: compare as text.
        if (stored.toString() == option.value.toString()) {
            return option.value;
        }
    }
    return choice.options.empty() ? QVariant() : choice.options.front().value;
}

void SettingsDialog::apply(Store& store) const {
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const int checked = m_groups[i]->checkedId();
        if (checked >= 0) {
            store.setValue(m_choices[i].key, m_choices[i].options[std::size_t(checked)].value);
        }
    }
    if (m_autoplay) {
        store.setValue(QStringLiteral("Autoplay"), m_autoplay->isChecked());
    }
}

} // namespace halvane::kit
