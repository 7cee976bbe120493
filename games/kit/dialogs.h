#pragma once
// Every question a game puts to the player and every window it opens goes through this
// interface, so that tests can answer in place of the player. WidgetDialogs is the real
// one: message boxes and the game's own dialogs, modal over the active window.

#include <QString>

#include <cstdint>
#include <optional>

class QDialog;

namespace halvane::kit {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Tells the player something, with an OK button.
    virtual void tell(const QString& text) = 0;
    // A Yes / No question; true for Yes.
    virtual bool ask(const QString& text) = 0;
    // May the game under way be given up? `dontAskAgain` comes back true when the player
    // ticked "Don't ask again".
    virtual bool askToAbandon(const QString& text, bool& dontAskAgain) = 0;
    // The deal number the player wants, from `first` to `last`; none for Cancel.
    virtual std::optional<std::uint32_t> dealNumber(std::uint32_t current, std::uint32_t first,
                                                    std::uint32_t last) = 0;
    // Shows the statistics; true when the player asked to reset them.
    virtual bool statistics(const QString& text) = 0;
    // Runs one of the game's own dialogs; true when it was accepted.
    virtual bool run(QDialog& dialog) = 0;
};

class WidgetDialogs : public Dialogs {
public:
    void tell(const QString& text) override;
    bool ask(const QString& text) override;
    bool askToAbandon(const QString& text, bool& dontAskAgain) override;
    std::optional<std::uint32_t> dealNumber(std::uint32_t current, std::uint32_t first,
                                            std::uint32_t last) override;
    bool statistics(const QString& text) override;
    bool run(QDialog& dialog) override;
};

} // namespace halvane::kit
