#pragma once
// Where pictures lie: the cells of the deck sheet and of the save-under store, and the
// extent of the whole table. All in pixels. The cell positions are 16-bit values; one
// that leaves the 16-bit range throws dorvik::Error naming `method`.

#include "engine/cardgeometry.h"
#include "engine/cardrecord.h"

#include <QPoint>
#include <QSize>

namespace dorvik {

class CellGeometry {
public:
    static constexpr int kCardWidth = card::Width; // a card picture, and every cell copy
    static constexpr int kCardHeight = card::Height;
    static constexpr int kPitchX = card::PitchX; // cell grid of the sheet: 13 x 5 cells
    static constexpr int kPitchY = card::PitchY;
    static constexpr int kSheetWidth = 13 * kPitchX;
    static constexpr int kSheetHeight = 5 * kPitchY;
    static constexpr int kBankOffset = kSheetHeight; // second save-under bank, cards 53 and up
    static constexpr int kBackRowY = 4 * kPitchY;    // fifth row: special cards, symbols, backs

    // Face cell of a card: ((Value - 1) x 72, (Suit - 1) x 97) in the sheet.
    static QPoint face(const CardRecord& card, const char* method);

    // Cell of back design `back` in the sheet: (936 - 72 x back, 388).
    static QPoint back(int back, const char* method);

    // Cell of symbol 1 to 3 in the sheet: ((symbol + 1) x 72, 388).
    static QPoint symbol(int symbol);

    // Save-under cell of card number `n` (1 to 150): its face cell, 485 rows lower for
    // cards 53 and up. Spare slots (Suit and Value 0) land left of the store: no cell.
    static QPoint saveUnder(int n, const CardRecord& card, const char* method);

    // The screen in whole pixels: the platform's twips / 15, rounded.
    static QSize screenExtent();
};

} // namespace dorvik
