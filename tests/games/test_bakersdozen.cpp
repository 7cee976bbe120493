// Baker's Dozen's rules: the deal with its kings put under, what may move where, and
// thirteen columns on the smallest table.

#include "dealbuilder.h"

#include "games/bakersdozen/bakersdozenrules.h"
#include "games/kit/dealnumber.h"

#include "engine/cardgeometry.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace halvane::bakersdozen {
namespace {

using klondike::test::cardOf;

PileId T(int i) {
    return PileId::tableau(i);
}
PileId F(int i) {
    return PileId::foundation(i);
}

std::vector<Card> named(const QString& names) {
    std::vector<Card> cards;
    for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) {
        Card card = cardOf(name.toStdString());
        card.faceUp = true;
        cards.push_back(card);
    }
    return cards;
}

TEST(BakersDozenDeal, KingsGoUnderTheirColumns) {
    // The standard pack with the cards of column 0 (positions 0, 13, 26, 39) swapped for
    // 5H KS 2C KD, and those cards put where these were.
    std::vector<Card> order = klondike::test::standardOrder();
    const int dealtAt[] = {0, 13, 26, 39};
    const std::vector<Card> wanted = named("5H KS 2C KD");
    for (int i = 0; i < 4; ++i) {
        const auto at = std::find(order.begin(), order.end(), Card::standard(wanted[i].number));
        std::iter_swap(at, order.begin() + dealtAt[i]);
    }
    const Table table = dealTable(order);
    EXPECT_EQ(table.pile(T(0)), named("KS KD 5H 2C")) << "kings first, in their order";

    // Deal 1 of the kit's numbering, worked out row by row.
    const std::vector<Card> pack = kit::deals::order(1, PackSize);
    const Table dealt = dealTable(pack);
    for (int column = 0; column < Columns; ++column) {
        SCOPED_TRACE(column);
        std::vector<Card> kings;
        std::vector<Card> others;
        for (int row = 0; row < 4; ++row) {
            Card card = pack[std::size_t(row * Columns + column)];
            card.faceUp = true;
            (card.rank == 13 ? kings : others).push_back(card);
        }
        kings.insert(kings.end(), others.begin(), others.end());
        EXPECT_EQ(dealt.pile(T(column)), kings);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(dealt.pile(F(i)).empty());
}

TEST(BakersDozenMoves, TopCardsOneAtATime) {
    // Columns: 9C 8H | 9S | 8D 3C | (empty) | 2H AH ; AS home.
    Table table;
    for (int i = 0; i < 4; ++i)
        table.addPile(F(i));
    for (int i = 0; i < Columns; ++i)
        table.addPile(T(i));
    const char* columns[] = {"9C 8H", "9S", "8D 3C", "", "2H AH", "2S"};
    for (int i = 0; i < 6; ++i)
        table.cards(T(i)) = named(columns[i]);
    table.cards(F(0)) = named("AS");
    struct Row {
        const char* name;
        Move move;
        bool legal;
    };
    const Row rows[] = {
        {"eight on a nine of another suit", {T(0), 1, T(1)}, true},
        {"eight on a nine of its own colour", {T(2), 0, T(1)}, false},
        {"a card under the top", {T(0), 0, T(2)}, false},
        {"three on a nine", {T(2), 1, T(1)}, false},
        {"nothing onto an empty column", {T(1), 0, T(3)}, false},
        {"ace home", {T(4), 1, F(1)}, true},
        {"two onto its ace", {T(5), 0, F(0)}, true},
        {"two onto an empty foundation", {T(5), 0, F(2)}, false},
        {"foundation card back", {F(0), 0, T(4)}, false},
    };
    const MoveJudge judge(table);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto& cards = table.pile(row.move.from);
        const bool legal = judge.canTake(row.move.from, row.move.index) &&
                           judge.canPlace(cards[std::size_t(row.move.index)],
                                          int(cards.size()) - row.move.index, row.move.to);
        EXPECT_EQ(legal, row.legal);
    }
    EXPECT_FALSE(judge.canPlace(named("8H").front(), 2, T(1))) << "one card at a time";
}

TEST(BakersDozenLayout, ThirteenColumnsFitTheSmallestTable) {
    const QSize area(960, 540);
    const QRect inside(QPoint(0, 0), area);
    Table table = dealTable(kit::deals::order(1, PackSize));
    // The longest column a game can build: a king, its three other cards and a run of
    // twelve down to an ace (the cards need not be unique for the layout).
    table.cards(T(0)) = named("KS 5H 2C 9D QD JS 10D 9S 8D 7S 6D 5S 4D 3S 2D AS");
    const kit::Layout layout = tableLayout(area);
    for (PileId pile : table.pileIds()) {
        SCOPED_TRACE(pile.describe().toStdString());
        for (int i = 0; i < std::max<int>(1, int(table.pile(pile).size())); ++i) {
            const QRect card(layout.cardPosition(table, pile, i),
                             QSize(dorvik::card::Width, dorvik::card::Height));
            EXPECT_TRUE(inside.contains(card)) << "card " << i;
        }
        for (PileId other : table.pileIds()) {
            if (other != pile) {
                EXPECT_FALSE(layout.area(table, pile).intersects(layout.area(table, other)))
                    << other.describe().toStdString();
            }
        }
    }
}

} // namespace
} // namespace halvane::bakersdozen
