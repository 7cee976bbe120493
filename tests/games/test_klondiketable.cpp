// The rules' table: dealing, drawing, redealing, turning and moving.

#include "dealbuilder.h"

#include "games/klondike/klondikerules.h"

#include <gtest/gtest.h>

#include <functional>

namespace halvane::klondike {
namespace {

using test::cardOf;
using test::orderWith;
using test::standardOrder;

TEST(TableDeal, LaysOutColumnsAndStock) {
    EXPECT_TRUE(Table().piles().empty());
    const Table table = dealTable(standardOrder(), 1);
    ASSERT_EQ(table.piles().size(), 13u) << "stock, waste, 4 foundations, 7 columns";

    // Row by row: column c's row r card is dealt at position sum_{k<r}(7-k) + (c-r).
    for (int column = 0; column < 7; ++column) {
        const auto& cards = table.pile(PileId::tableau(column));
        ASSERT_EQ(int(cards.size()), column + 1) << "column " << column;
        for (int row = 0; row <= column; ++row) {
            int position = column - row;
            for (int k = 0; k < row; ++k)
                position += 7 - k;
            EXPECT_EQ(cards[row].number, position + 1) << "column " << column << " row " << row;
            EXPECT_EQ(cards[row].faceUp, row == column) << "column " << column << " row " << row;
        }
    }
    const auto& stock = table.pile(PileId::stock());
    ASSERT_EQ(stock.size(), 24u);
    EXPECT_EQ(stock.back().number, 29);  // order[28] on top
    EXPECT_EQ(stock.front().number, 52); // the last card dealt at the bottom
    for (const Card& card : stock)
        EXPECT_FALSE(card.faceUp);
    EXPECT_TRUE(table.pile(PileId::waste()).empty());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(table.pile(PileId::foundation(i)).empty());
    EXPECT_FALSE(isWon(table));
}

TEST(TableDeal, RefusesBrokenOrders) {
    struct Row {
        const char* name;
        std::function<void(std::vector<Card>&)> spoil;
        int drawCount;
        const char* messagePart;
        int redealLimit = Unlimited;
    };
    const Row rows[] = {
        {"too few cards", [](auto& o) { o.pop_back(); }, 1, "52 cards"},
        {"number twice", [](auto& o) { o[5] = o[6]; }, 1, "twice"},
        {"number zero", [](auto& o) { o[0].number = 0; }, 1, "from 1 to 52"},
        {"number of the second pack", [](auto& o) { o[0].number = 53; }, 1, "from 1 to 52"},
        {"draw count 2", [](auto&) {}, 2, "neither 1 nor 3"},
        {"redeal limit below none", [](auto&) {}, 1, "below 0", -2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealTable(orderWith({"KS", "7C", "6H", "6S", "7D", "5D", "KC"}, {"QH"}), 1);
        const auto before = table.pile(PileId::tableau(6));
        std::vector<Card> order = standardOrder();
        row.spoil(order);
        try {
            table = dealTable(order, row.drawCount, row.redealLimit);
            ADD_FAILURE() << "no exception";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(row.messagePart), std::string::npos) << e.what();
        }
        EXPECT_EQ(table.pile(PileId::tableau(6)), before) << "a refused deal changed the table";
    }
}

TEST(TableStock, DrawsAndRedeals) {
    struct Row {
        const char* name;
        int drawCount;
        int draws;
        std::size_t stock;
        std::size_t waste;
        int fan;
        const char* wasteTop; // "" for an empty waste
    };
    // Stock top first: QH 2D 2H AD 3D KH, then the unnamed cards.
    const Row rows[] = {
        {"one draw of one", 1, 1, 23, 1, 1, "QH"},
        {"two draws of one", 1, 2, 22, 2, 1, "2D"},
        {"one draw of three, the third on top", 3, 1, 21, 3, 3, "2H"},
        {"two draws of three", 3, 2, 18, 6, 3, "KH"},
        {"whole stock by ones", 1, 24, 0, 24, 1, nullptr},
        {"whole stock by threes", 3, 8, 0, 24, 3, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealTable(orderWith({"5H", "7C", "6H", "6S", "7D", "5D", "KC"},
                             {"QH", "2D", "2H", "AD", "3D", "KH"}),
                   row.drawCount);
        const auto stockBefore = table.pile(PileId::stock());
        std::vector<Card> landed;
        for (int i = 0; i < row.draws; ++i)
            for (const Card& card : draw(table))
                landed.push_back(card);
        EXPECT_EQ(table.pile(PileId::stock()).size(), row.stock);
        ASSERT_EQ(table.pile(PileId::waste()).size(), row.waste);
        EXPECT_EQ(table.fanned(PileId::waste()), row.fan);
        if (row.wasteTop) {
            EXPECT_EQ(table.pile(PileId::waste()).back().number, cardOf(row.wasteTop).number);
        }
        // Cards come off the top of the stock one by one, face up.
        for (std::size_t i = 0; i < landed.size(); ++i) {
            EXPECT_EQ(landed[i].number, stockBefore[stockBefore.size() - 1 - i].number);
            EXPECT_TRUE(landed[i].faceUp);
        }
        if (row.stock == 0) {
            EXPECT_THROW(draw(table), std::logic_error);
            const auto waste = table.pile(PileId::waste());
            redeal(table);
            // Turned over: the stock is the same as dealt, face down again.
            std::vector<int> numbers, expected;
            for (const Card& card : table.pile(PileId::stock())) {
                numbers.push_back(card.number);
                EXPECT_FALSE(card.faceUp);
            }
            for (const Card& card : stockBefore)
                expected.push_back(card.number);
            EXPECT_EQ(numbers, expected);
            EXPECT_TRUE(table.pile(PileId::waste()).empty());
            EXPECT_EQ(table.fanned(PileId::waste()), 0);
        } else {
            EXPECT_THROW(redeal(table), std::logic_error);
        }
    }
}

TEST(TableMoves, KeepTheTableWhole) {
    struct Row {
        const char* name;
        PileId from;
        int index;
        PileId to;
        bool accepted;
    };
    const Row rows[] = {
        {"top card between columns", PileId::tableau(2), 2, PileId::tableau(1), true},
        {"face-down card", PileId::tableau(2), 0, PileId::tableau(1), false},
        {"index past the top", PileId::tableau(2), 3, PileId::tableau(1), false},
        {"onto itself", PileId::tableau(2), 2, PileId::tableau(2), false},
        {"onto the stock", PileId::tableau(2), 2, PileId::stock(), false},
        {"onto the waste", PileId::tableau(2), 2, PileId::waste(), false},
        {"from the stock's face-down top", PileId::stock(), 23, PileId::tableau(0), false},
        {"to a foundation that does not exist", PileId::tableau(2), 2, PileId::foundation(4),
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealTable(standardOrder(), 1);
        std::size_t total = 0;
        for (PileId id : table.pileIds())
            total += table.pile(id).size();
        bool accepted = true;
        try {
            table.move(row.from, row.index, row.to);
        } catch (const std::logic_error&) {
            accepted = false;
        }
        EXPECT_EQ(accepted, row.accepted);
        std::size_t after = 0;
        for (PileId id : table.pileIds())
            after += table.pile(id).size();
        EXPECT_EQ(after, total) << "a card was lost or doubled";
    }
}

TEST(TableMoves, RunMovesWithItsCardsAndFindFollows) {
    Table table = dealTable(orderWith({"5H", "7C", "6H", "6S", "7D", "5D", "KC"}, {}), 1);
    table.move(PileId::tableau(5), 5, PileId::tableau(3)); // 5D onto 6S
    table.move(PileId::tableau(3), 3, PileId::tableau(4)); // 6S and 5D onto 7D
    const auto& column = table.pile(PileId::tableau(4));
    ASSERT_EQ(column.size(), 7u);
    EXPECT_EQ(column[5].number, cardOf("6S").number);
    EXPECT_EQ(column[6].number, cardOf("5D").number);
    EXPECT_EQ(table.pile(PileId::tableau(3)).size(), 3u);
    EXPECT_EQ(table.find(cardOf("5D").number), (Table::Place{PileId::tableau(4), 6}));
    EXPECT_FALSE(table.find(0).has_value());
    EXPECT_FALSE(table.find(60).has_value());
}

TEST(TableMoves, WasteFanShrinksAsItsCardsArePlayed) {
    Table table = dealTable(orderWith({"5H", "7C", "6H", "6S", "7D", "5D", "KC"}, {"AD", "2D", "QH"}), 3);
    draw(table);
    ASSERT_EQ(table.fanned(PileId::waste()), 3);
    table.move(PileId::waste(), 2, PileId::tableau(6)); // QH onto KC
    EXPECT_EQ(table.fanned(PileId::waste()), 2);
    table.move(PileId::waste(), 1, PileId::foundation(0));
    table.move(PileId::waste(), 0, PileId::foundation(1));
    EXPECT_EQ(table.fanned(PileId::waste()), 0);
    draw(table);
    EXPECT_EQ(table.fanned(PileId::waste()), 3);
}

} // namespace
} // namespace halvane::klondike
