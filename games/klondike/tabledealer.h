#pragma once
// Carries out every change of a Klondike game on the rules' table and on the card
// engine together, so that the two never disagree: dealing, drawing, turning, sliding
// cards to their piles and putting dropped blocks down. It judges nothing: the caller
// asks MoveJudge first.
//
// What the engine is told, card by card: Status follows the card's face; IsBlocked is
// set on every card with another card on it (only its top 16 rows can be grabbed);
// Disabled on every card the player may not pick up (covered face-down cards, all but
// the top of the stock, waste and foundations, and every card not in play), so that
// the engine's pick, which prefers the highest card number, can only find a card the
// rules allow. The empty places carry markers dealt into the spare slots from 114.
//
// Engine failures (dorvik::Error) pass through; the table may then be changed while the
// window is not, and the next deal sets both straight.

#include "games/klondike/klondiketable.h"
#include "games/klondike/movejudge.h"
#include "games/klondike/tablelayout.h"

#include <cstdint>
#include <vector>

namespace dorvik {
class _Class1;
}

namespace halvane::klondike {

class TableDealer {
public:
    // Spare engine slots used as the markers of empty places.
    static constexpr std::int16_t StockMarker = 114;
    static constexpr std::int16_t FirstFoundationMarker = 115; // to 118
    static constexpr std::int16_t FirstColumnMarker = 119;     // to 125
    // Engine symbols: the empty-pile outline, the redeal circle, the no-more cross.
    static constexpr std::int16_t OutlineSymbol = 1;
    static constexpr std::int16_t RedealSymbol = 2;
    static constexpr std::int16_t NoMoreSymbol = 3;

    // `engine` and `table` must outlive the dealer.
    TableDealer(dorvik::_Class1& engine, KlondikeTable& table, TableLayout layout);

    const TableLayout& layout() const { return m_layout; }

    // Builds and shuffles the engine's 52-card order and reads it with each card's suit,
    // rank and colour. Throws std::invalid_argument when the engine's deck is not set up.
    std::vector<Card> shuffledPack();
    // Starts a game from `order` on a window that shows the bare table: parks every
    // engine card, takes the table copy from the window, draws the markers and deals.
    void newGame(std::int32_t hdc, const std::vector<Card>& order, int drawCount);

    // The stock click: draws, or redeals an empty stock from the waste.
    void drawOrRedeal(std::int32_t hdc);
    // Turns the face-down top card of `column` up where it lies.
    void turnUp(std::int32_t hdc, int column);

    // Moves the single top card of `move.from` to `move.to`, sliding it from where it
    // lies on the window now (dealt there: after EndDrag, or still at home).
    void slideCard(std::int32_t hdc, const Move& move);
    // Slides card `card` back to `home` after a drop that EndDrag dealt where it fell.
    void returnDropped(std::int32_t hdc, std::int16_t card, QPoint home);
    // Slides lifted cards (after DoDrag or BlockDrag, or a block after EndBlockDrag,
    // none of them in the table copy) back to `home`, the bottom card's place.
    void returnLifted(std::int32_t hdc, const std::vector<std::int16_t>& cards, QPoint home);
    // Puts a block, drawn on the window only after EndBlockDrag, onto `move.to`.
    void landBlock(std::int32_t hdc, const Move& move);

    // Takes every card out of play, for a game that is over.
    void disableAll();

private:
    void updateFlags();
    void updateStockMarker(std::int32_t hdc);
    void dealAt(std::int32_t hdc, const Card& card, QPoint place);
    void dealMarkers(std::int32_t hdc);

    dorvik::_Class1& m_engine;
    KlondikeTable& m_table;
    TableLayout m_layout;
    std::int16_t m_stockSymbol = RedealSymbol; // what the stock's marker shows
};

} // namespace halvane::klondike
