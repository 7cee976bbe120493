#pragma once
// What the chooser dialogs need from the table window: the shared settings, the host's
// engine object, the card back, switching games and handing the focus back. Form1
// implements it; dialog tests use a fake.

#include "host/hostsettings.h"

#include <QString>

#include <cstdint>

class QWidget;

namespace dorvik {
class _Class1;
}

namespace halvane {

class TableHost {
public:
    virtual ~TableHost() = default;

    virtual HostSettings& settings() = 0;
    virtual dorvik::_Class1& engine() = 0; // the host's EngineObject

    // CARDBACK: the card back in use, 1 to 8 (the settings file may hold other values).
    virtual std::int16_t cardBack() const = 0;
    virtual void setCardBack(std::int16_t back) = 0;

    // Makes the game current: creates its plug-in afresh, calls InitializeGame and sets
    // the caption. On failure throws, and the current game, its settings and the running
    // plug-in stay as they were.
    virtual void startGame(const QString& name, const QString& plugin) = 0;

    // The table window, to give it the focus or parent a dialog.
    virtual QWidget* tableWindow() = 0;

    // Tells the user that something failed while playing (a message box in the real
    // window): `summary` a plain sentence, `detail` the technical part (may be empty).
    // The table keeps running.
    virtual void reportError(const QString& summary, const QString& detail) = 0;
};

} // namespace halvane
