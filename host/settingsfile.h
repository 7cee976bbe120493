#pragma once
// The settings file "solitaire.ini": read once at start-up, rewritten in full once at
// shut-down. Latin-1 text, line oriented, six section headers:
//
//   [Decks]            name=file entries, then a line "-"
//   [Games]            name=plug-in entries, then a line "-"
//   [Current Deck]     one line: the deck picture file
//   [Current Game]     one line: name=plug-in
//   [WebSite]          one line of free text
//   [Card Back]        one line: the back number (" 3 ")
//
// followed by a closing empty line. Values are kept exactly as read; name=value lines
// split at the first "=".

#include "host/usererror.h"

#include "host/hostsettings.h"

#include <QString>

#include <cstdint>

namespace halvane {

// A settings file that cannot be read or written. The message names the file, for a
// malformed file also the line number, and says what is wrong.
class SettingsError : public UserError {
public:
    using UserError::UserError;
};

// Reads the settings file at `path` into `settings` (all fields but InstallDir, which
// stays as given) and `cardBack` (0 when the file has no [Card Back]).
//
// Sections may come in any order; blank, unknown and case-different lines outside a
// section are skipped; a second [Decks] or [Games] section is skipped line by line. A
// file that lacks only its closing empty line is read as if it had it. Reading accepts
// CR LF and LF line ends. The back number is the number at the start of its line
// (leading blanks skipped, 0 when there is none), rounded half to even.
//
// Throws SettingsError when the file is missing, unreadable, not an ordinary file (a FIFO,
// a device, a folder) or larger than 4 MiB, ends inside a section, has
// an entry or [Current Game] line without "=", a list of more than
// HostSettings::MaxEntries entries, or a back number outside -32768 to 32767. Read for
// SettingsUse::StartUp, it also throws when the file is empty, lacks one of [Decks],
// [Games], [Current Deck] and [Current Game], or its [Current Game] line names no plug-in.
// Every message says what the file (or the line) should hold. On a throw `settings` and
// `cardBack` are left as they were.
enum class SettingsUse { AsFound, StartUp };
void LoadSettings(const QString& path, HostSettings& settings, std::int16_t& cardBack,
                  SettingsUse use = SettingsUse::AsFound);

// Writes `settings` and `cardBack` to `path` in the layout above (CR LF line ends, the
// back number as " 3 " or "-2 "). The file is replaced atomically: a failure at any point
// leaves the previous file as it was.
//
// Throws SettingsError naming the path and the reason when the file cannot be written,
// and, before writing anything, when a value cannot be stored: a line break in it, a
// character outside Latin-1, parallel lists of different lengths, a list of more than
// HostSettings::MaxEntries entries, or a file larger than the 4 MiB that LoadSettings reads.
void SaveSettings(const QString& path, const HostSettings& settings, std::int16_t cardBack);

} // namespace halvane
