#pragma once
// What sets one shipped deck apart from the others: the ink of each suit and the size of
// the corner index. Everything else about a card's look is shared by all decks.

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

namespace halvane::deckgen {

// Suits in the order of the sheet's rows: row 1 clubs, 2 diamonds, 3 hearts, 4 spades, so
// rows 1 and 4 are the black suits and rows 2 and 3 the red ones, as in a real pack.
enum class Suit { Clubs = 1, Diamonds = 2, Hearts = 3, Spades = 4 };

struct DeckStyle {
    QString name;                  // also the sheet's file name without ".bmp"
    std::array<QColor, 4> suitInk; // index = suit row - 1
    int indexRankHeight = 11;      // pixels; rank glyph in the top 16 rows
    int indexPipHeight = 9;        // pixels; suit sign beside the rank

    QColor ink(Suit suit) const { return suitInk[static_cast<int>(suit) - 1]; }

    // The shipped styles: "Standard", "FourColour", "LargeIndex".
    static QStringList names();
    // The style called `name` (case-sensitive). Throws std::invalid_argument naming it and
    // listing the known names.
    static DeckStyle named(const QString& name);
};

// The "black" of the cards: dark enough to read as black, never the pure black that the
// engine's background fill replaces.
inline const QColor CardBlack{16, 16, 16};
inline const QColor CardRed{200, 16, 32};

} // namespace halvane::deckgen
