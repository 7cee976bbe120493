#pragma once
// One deck picture: 13 x 5 cells of 71 x 96 pixels at a pitch of 72 x 97 on a black
// sheet of 936 x 485. Rows 1 to 4 hold the faces (row = suit, column = value); row 5
// holds the two jokers (columns 1 and 2), the three table symbols (3 to 5) and the eight
// backs (back n in column 14 - n).
//
// The engine recolours the sheet's background by filling the black joined to (71, 1), so
// the sheet keeps pure black for exactly that: the gaps, the corners outside every card,
// and the ground of the symbols. Nothing inside a card is pure black.

#include "tools/deckgen/deckfonts.h"
#include "tools/deckgen/deckstyle.h"

#include <QImage>
#include <QPoint>
#include <QString>

namespace halvane::deckgen {

class DeckSheet {
public:
    static constexpr int Columns = 13;
    static constexpr int Rows = 5;
    static constexpr int PitchX = 72;              // pixels
    static constexpr int PitchY = 97;              // pixels
    static constexpr int Width = Columns * PitchX; // 936
    static constexpr int Height = Rows * PitchY;   // 485
    static constexpr int FirstSymbolColumn = 3;    // row 5, columns 3 to 5
    static constexpr int LastSymbolColumn = 5;

    // Top left pixel of the cell in `column` 1..13 and `row` 1..5.
    static QPoint cellOrigin(int column, int row);
    // Whether the cell holds a card (a rounded card outline), as opposed to a symbol drawn
    // straight on the black.
    static bool holdsCard(int column, int row);
    // The column of back `number` (1..8) in row 5.
    static int backColumn(int number) { return 14 - number; }

    // Keeps references: `fonts` and `style` must outlive the sheet.
    DeckSheet(const DeckFonts& fonts, const DeckStyle& style);

    // The whole sheet, Format_RGB32, at `scale` (1 to 4): the same layout `scale` times
    // larger, the card outlines enlarged pixel for pixel and everything on the cards drawn
    // at the larger size.
    QImage render(int scale = 1) const;

private:
    const DeckFonts& m_fonts;
    const DeckStyle& m_style;
};

} // namespace halvane::deckgen
