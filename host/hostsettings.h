#pragma once
// What the host remembers between runs, held in memory for one run and shared by the
// table window and the chooser dialogs. It reaches the settings file "solitaire.ini"
// only at shut-down (see SettingsFile).

#include <QString>
#include <QStringList>

namespace halvane {

struct HostSettings {
    QString InstallDir;        // never stored in the file
    QString WebSite;           // "[WebSite]"; shown at the end of the caption
    QString CurrentDeckFile;   // "[Current Deck]"
    QString CurrentGameName;   // "[Current Game]", left of "="
    QString CurrentGamePlugin; // "[Current Game]", right of "="; class id is this + ".GamePlay"

    // Parallel lists; an entry's index is the same in both. "[Decks]" and "[Games]".
    QStringList DeckNames, DeckFiles;
    QStringList GameNames, GamePlugins;

    // A list holds at most this many entries (its count is a signed 16-bit number).
    static constexpr int MaxEntries = 32767;

    int DeckCount() const { return int(DeckNames.size()); }
    int GameCount() const { return int(GameNames.size()); }

    bool operator==(const HostSettings&) const = default;
};

} // namespace halvane
