#pragma once
// The Klondike table as the rules see it: the stock, the waste, four foundations and
// seven tableau columns, each a pile of cards listed bottom first. It knows nothing of
// the card engine or the screen.
//
// The mutators keep the table whole (every card in exactly one pile, no face-down card
// on top of a face-up one in a column) and throw std::logic_error for a change that
// would break that; they do not judge whether the player may make the move, which is
// MoveJudge's work.

#include "games/klondike/card.h"
#include "games/klondike/pileid.h"

#include <array>
#include <optional>
#include <vector>

namespace halvane::klondike {

class KlondikeTable {
public:
    static constexpr int Columns = 7;
    static constexpr int Foundations = 4;
    static constexpr int PackSize = 52;

    struct Place {
        PileId pile;
        int index = 0; // 0 is the bottom card of the pile
        bool operator==(const Place&) const = default;
    };

    // An empty table: nothing dealt.
    KlondikeTable() = default;

    // Starts a game from `order`, the 52 cards as they come off the pack: column i gets
    // i + 1 cards dealt row by row, the last one of each face up; the remaining 24 form
    // the stock face down, order[28] on top. `drawCount` is 1 or 3 cards a draw.
    // Throws std::invalid_argument (saying what is wrong) unless `order` holds each
    // number 1 to 52 once with suits 1 to 4, ranks 1 to 13, colours 1 or 2 and every
    // suit and rank once, and unless drawCount is 1 or 3; the table is then unchanged.
    void deal(const std::vector<Card>& order, int drawCount);

    bool isDealt() const { return m_dealt; }
    int drawCount() const { return m_drawCount; }
    // All 52 cards on the foundations.
    bool isWon() const;

    // The pile's cards, bottom first. Throws std::out_of_range for an index outside the
    // foundations or columns.
    const std::vector<Card>& pile(PileId id) const;
    // The pile and position of card `number`, if it lies on the table.
    std::optional<Place> find(int number) const;
    // Every pile, stock, waste, foundations, then columns.
    static std::vector<PileId> allPiles();

    // How many of the waste's top cards are fanned out (the last draw's cards still on
    // the waste); the cards below them lie squared. 0 to drawCount.
    int wasteFan() const { return m_wasteFan; }

    // Turns up to drawCount cards from the stock onto the waste, one by one, and returns
    // them in the order they landed. Throws when the stock is empty.
    std::vector<Card> draw();
    // Turns the whole waste over into the stock, face down. Throws unless the stock is
    // empty and the waste is not.
    void redeal();
    // Turns the top card of column `column` face up. Throws when the column is empty or
    // its top card already lies face up.
    void turnUp(int column);
    // Moves the cards from `index` to the top of `from` onto `to`. Throws when index is
    // out of range, a moving card lies face down, `to` is the stock or the waste, or
    // `to` is `from`.
    void move(PileId from, int index, PileId to);

private:
    // The pile of `self` (const or not); throws std::out_of_range for a bad index.
    template <typename Self> static auto& pileOf(Self& self, PileId id);

    std::vector<Card> m_stock;
    std::vector<Card> m_waste;
    std::array<std::vector<Card>, Foundations> m_foundations;
    std::array<std::vector<Card>, Columns> m_columns;
    int m_drawCount = 1;
    int m_wasteFan = 0;
    bool m_dealt = false;
};

} // namespace halvane::klondike
