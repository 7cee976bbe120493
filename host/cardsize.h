#pragma once
// The card size the user chose from Options > Card size, kept in the program's own
// settings file "halvane.conf" beside solitaire.ini (whose layout stays as it is).
//
// A choice is 0 for Automatic or a table scale 1 to 4 (the menu offers 1 to 3).

#include <QSize>
#include <QString>

namespace halvane::cardsize {

constexpr int kAutomatic = 0;

// "halvane.conf" inside `installDir`.
QString settingsFile(const QString& installDir);

// The stored choice; Automatic when the file or the value is missing, or the value is not
// "auto" or a whole number 1 to 4.
int load(const QString& installDir);

// Stores `choice`, keeping whatever else the file holds. Throws std::runtime_error naming
// the file when it cannot be written.
void save(const QString& installDir, int choice);

// The table scale for `choice` on a screen of `screenDevicePixels`: the chosen one, or
// for Automatic the largest that leaves at least 960 x 540 table pixels.
int tableScale(int choice, QSize screenDevicePixels);

// The table scale the stored choice gives on this screen: the one the table starts at.
int storedTableScale(const QString& installDir);

} // namespace halvane::cardsize
