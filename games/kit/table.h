#pragma once
// A game's table as a value: its piles of cards, bottom first, and the counters of the
// game under way. Copying it is how undo remembers a position; two tables compare equal
// when every pile, face and counter does. It knows nothing of the engine or the screen.
//
// The mutators keep the table whole (every card in exactly one pile) and throw
// std::logic_error for a change that would break that; whether the player may make the
// move is the game's rules' business.

#include "games/kit/card.h"
#include "games/kit/pileid.h"

#include <optional>
#include <vector>

namespace halvane::kit {

struct Pile {
    PileId id;
    std::vector<Card> cards;
    int fanned = 0; // a waste's top cards from the last draw, spread out; see Layout
    bool operator==(const Pile&) const = default;
};

struct Counters {
    int moves = 0;   // user actions that changed the table
    int score = 0;   // for games that score
    int redeals = 0; // times the waste went back to the stock
    bool operator==(const Counters&) const = default;
};

class Table {
public:
    struct Place {
        PileId pile;
        int index = 0; // 0 is the bottom card
        bool operator==(const Place&) const = default;
    };

    // Adds an empty pile after the others; piles are drawn in the order added. Throws
    // std::logic_error when the pile is there already.
    void addPile(PileId id);
    const std::vector<Pile>& piles() const { return m_piles; }
    std::vector<PileId> pileIds() const;
    std::vector<PileId> pilesOf(Role role) const;
    bool has(PileId id) const;

    // The pile's cards, bottom first. Throws std::out_of_range for a pile not on the table.
    const std::vector<Card>& pile(PileId id) const;
    std::vector<Card>& cards(PileId id);
    int fanned(PileId id) const;
    // Sets how many top cards the pile fans, clamped to 0..its size.
    void setFanned(PileId id, int count);
    // Where card `number` lies, if on the table.
    std::optional<Place> find(int number) const;
    int cardCount() const;

    // Moves the cards from `index` to the top of `from` onto `to`. Throws when index is
    // out of range, a moving card lies face down, `to` is a stock or a waste, or `to` is
    // `from`.
    void move(PileId from, int index, PileId to);
    // Turns the pile's top card face up; throws unless it lies face down.
    void turnUp(PileId id);
    // Turns up to `count` cards from `stock` onto `waste`, one by one, and returns them
    // as they landed; they become the waste's fanned cards. Throws for an empty stock.
    std::vector<Card> draw(PileId stock, PileId waste, int count);
    // Turns the whole waste over into the stock, face down, and counts a redeal. Throws
    // unless the stock is empty and the waste is not.
    void recycle(PileId waste, PileId stock);

    // The game's own numbers fixed at the deal (e.g. cards a draw); the game names them.
    std::vector<int> options;
    Counters counters;

    bool operator==(const Table&) const = default;

private:
    Pile& pileOf(PileId id);
    const Pile& pileOf(PileId id) const;

    std::vector<Pile> m_piles;
};

} // namespace halvane::kit
