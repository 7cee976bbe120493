#pragma once
// The game in progress as the saved-game file keeps it, so that the next start resumes
// it exactly: the deal number, the time played, the table with its counters and the undo
// and redo histories. Tables are written as one line each.

#include "games/kit/table.h"

#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <vector>

namespace halvane::kit {

struct SavedGame {
    static constexpr int Version = 1;

    QString game;
    std::uint32_t deal = 0;
    int seconds = 0;
    Table table;
    std::vector<Table> undo; // oldest first
    std::vector<Table> redo; // next redo last

    QVariantMap toValues() const;
    // Reads what toValues wrote. Every table must have the piles, options and cards of
    // `shape` (a fresh deal of the same game). Throws std::runtime_error saying what is
    // wrong for anything else: another version or game, a missing key, a broken line.
    static SavedGame fromValues(const QVariantMap& values, const QString& game, const Table& shape);
    // Moves an unreadable file at `path` aside to `path`.bad (replacing an older one; the
    // file is removed when it cannot be moved) and answers the new name.
    static QString setAside(const QString& path);
};

// One table as one line, and back; tableFromText throws std::runtime_error.
QString tableText(const Table& table);
Table tableFromText(const QString& text, const Table& shape);

} // namespace halvane::kit
