#pragma once
// A game's "Settings" window, built from the choices the game offers: one group of
// option buttons per choice, then the kit's own "Autoplay" box for a game
// that moves cards up by itself. OK writes every choice
// to the game's settings store; Cancel writes nothing.

#include "games/kit/store.h"

#include <QDialog>
#include <QString>
#include <QVariant>

#include <vector>

class QButtonGroup;
class QCheckBox;

namespace halvane::kit {

struct SettingOption {
    QString label;      // with its "&" access key
    QVariant value;     // what the store keeps
    QString objectName; // for tests and accessibility
};

struct SettingChoice {
    QString key;                        // the store's key
    QString title;                      // the group's title
    std::vector<SettingOption> options; // the first is the default
};

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on what `store` holds (an unknown value shows the first option). Without
    // `autoplay` the Autoplay box is left out and its stored value left alone.
    SettingsDialog(std::vector<SettingChoice> choices, bool autoplay, const Store& store,
                   QWidget* parent = nullptr);

    // Writes the choices on the dialog to `store`.
    void apply(Store& store) const;

    // The value of `key` in `store` when it is one of the choice's options, else the
    // first option's value.
    static QVariant valueOf(const SettingChoice& choice, const Store& store);

private:
    std::vector<SettingChoice> m_choices;
    std::vector<QButtonGroup*> m_groups;
    QCheckBox* m_autoplay; // null when the game has no autoplay
};

} // namespace halvane::kit
