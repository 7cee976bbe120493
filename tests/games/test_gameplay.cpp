// The plug-in through its operations, with the real engine, as the host calls it.

#include "greedyplayer.h"
#include "picturecheck.h"
#include "tabletestbed.h"

#include "games/kit/dealnumber.h"

#include "engine/error.h"
#include "platform/com/components.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace halvane::klondike {
namespace {

using test::samePicture;
using test::TableTestBed;

class KlondikePlugin : public ::testing::Test {
protected:
    // The first deal number whose deal satisfies `wanted`.
    static std::uint32_t findSeed(TableTestBed&, int drawCount,
                                  const std::function<bool(const Table&)>& wanted) {
        for (std::uint32_t seed = 1; seed < 20000; ++seed) {
            if (wanted(dealTable(kit::deals::order(seed, PackSize), drawCount)))
                return seed;
        }
        ADD_FAILURE() << "no deal number gives the deal wanted";
        return 1;
    }

    // Deals number `seed` and returns the rules table of it.
    static Table dealSeed(TableTestBed& bed, std::uint32_t seed, int drawCount = 1) {
        bed.dealNumber(seed);
        return bed.dealtTable(drawCount);
    }

    static void expectShows(TableTestBed& bed, const Table& table) {
        bed.expectEngineMatches(table);
        EXPECT_TRUE(samePicture(bed.window(), bed.expectedPicture(table)));
        EXPECT_TRUE(samePicture(bed.tableCopy(), bed.window()))
            << "a repaint from the table copy would change the window";
    }
};

// A column with cards under its top whose top card can move onto another column's top.
std::optional<Move> columnMove(const Table& table) {
    const MoveJudge judge(table);
    for (int from = 1; from < 7; ++from)
        for (int to = 0; to < 7; ++to) {
            const Move move{PileId::tableau(from), from, PileId::tableau(to)};
            if (judge.isLegal(move))
                return move;
        }
    return std::nullopt;
}

std::optional<int> aceOnTop(const Table& table) {
    for (int column = 0; column < 7; ++column)
        if (table.pile(PileId::tableau(column)).back().rank == 1)
            return column;
    return std::nullopt;
}

TEST_F(KlondikePlugin, DealPutsTwentyEightOnTheTableauAndTwentyFourInTheStock) {
    TableTestBed bed;
    bed.deal();
    const Table table = bed.dealtTable(1);
    const QPoint stock = bed.layout().origin(PileId::stock());
    int inStock = 0, onTableau = 0, faceUp = 0;
    for (std::int16_t n = 1; n <= 52; ++n) {
        const QPoint at(bed.engine().GetCardX(n).toInteger(), bed.engine().GetCardY(n).toInteger());
        if (at == stock)
            ++inStock;
        else if (at.y() >= bed.layout().origin(PileId::tableau(0)).y())
            ++onTableau;
        faceUp += bed.engine().GetCardStatus(n).toInteger() != 0;
    }
    EXPECT_EQ(onTableau, 28);
    EXPECT_EQ(inStock, 24);
    EXPECT_EQ(faceUp, 7);
    expectShows(bed, table);
}

TEST_F(KlondikePlugin, FirstPressOnAnEmptyTableDeals) {
    TableTestBed bed;
    bed.click(QPoint(5, 700));
    expectShows(bed, bed.dealtTable(1));
}

TEST_F(KlondikePlugin, PressAfterAChangeOfGameSetsUpAFreshTable) {
    TableTestBed bed;
    bed.deal();
    // The game chooser makes the game start again without clearing the window.
    const std::uint32_t oldNumber = bed.kitGame().currentDeal();
    bed.call("InitializeGame");
    bed.click(QPoint(5, 700));
    const Table fresh = bed.dealtTable(1);
    ASSERT_NE(bed.kitGame().currentDeal(), oldNumber);
    expectShows(bed, fresh);
}

TEST_F(KlondikePlugin, StrayMouseEventsChangeNothing) {
    struct Row {
        const char* name;
        std::function<void(TableTestBed&, const Table&)> events;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const Row rows[] = {
        {"move without a press", [](auto& b, auto&) { b.mouseMove(QPoint(300, 300)); }},
        {"release without a press", [](auto& b, auto&) { b.mouseUp(QPoint(300, 300)); }},
        {"double click without a press", [](auto& b, auto&) { b.call("Form_DblClick"); }},
        {"right button drag of a card",
         [](auto& b, const Table& t) {
             const QPoint from = b.dropPoint(t, PileId::tableau(3));
             b.mouseDown(from, 2);
             b.mouseMove(QPoint(500, 500), 2);
             b.mouseUp(QPoint(500, 500), 2);
         }},
        {"middle click on the stock",
         [](auto& b, const Table& t) {
             b.mouseDown(b.dropPoint(t, PileId::stock()), 4);
             b.mouseUp(b.dropPoint(t, PileId::stock()), 4);
         }},
        {"drag over the bare table",
         [](auto& b, auto&) {
             b.drag({5, 700}, {400, 300});
         }},
        {"click on a face-up card",
         [](auto& b, const Table& t) { b.click(b.dropPoint(t, PileId::tableau(5))); }},
        {"moves without the left button during a press",
         [](auto& b, const Table& t) {
             const QPoint from = b.dropPoint(t, PileId::tableau(4));
             b.mouseDown(from);
             b.mouseMove(QPoint(600, 600), 0);
             b.mouseMove(QPoint(600, 600), 2);
             b.mouseUp(QPoint(600, 600));
         }},
        {"right button released during a drag, then the left",
         [](auto& b, const Table& t) {
             const QPoint from = b.dropPoint(t, PileId::tableau(2));
             b.mouseDown(from);
             b.mouseMove(from + QPoint(30, 200));
             b.mouseUp(from + QPoint(30, 200), 2);
             b.mouseMove(from + QPoint(3, 2));
             b.mouseUp(from + QPoint(3, 2));
         }},
        {"card dropped back on its own column",
         [](auto& b, const Table& t) {
             const QPoint from = b.dropPoint(t, PileId::tableau(6));
             b.drag(from, from + QPoint(10, 30));
         }},
        {"positions that are not numbers",
         [nan, inf](auto& b, auto&) {
             b.mouse("Form_MouseDown", 1, nan, 50);
             b.mouse("Form_MouseMove", 1, 50, inf);
             b.mouse("Form_MouseUp", 1, -inf, nan);
         }},
        {"positions far outside the window",
         [](auto& b, auto&) {
             b.mouse("Form_MouseDown", 1, -1e9f, -1e9f);
             b.mouse("Form_MouseMove", 1, 1e9f, 1e9f);
             b.mouse("Form_MouseUp", 1, 1e9f, -1e9f);
         }},
        {"card dragged far outside the window and dropped there",
         [](auto& b, const Table& t) {
             const QPoint from = b.dropPoint(t, PileId::tableau(1));
             b.mouseDown(from);
             b.mouse("Form_MouseMove", 1, 1e9f, 1e9f);
             b.mouse("Form_MouseUp", 1, 1e9f, 1e9f);
         }},
        {"a second press while dragging",
         [](auto& b, const Table& t) {
             const QPoint from = b.dropPoint(t, PileId::tableau(0));
             b.mouseDown(from);
             b.mouseMove(QPoint(700, 500));
             b.mouseDown(QPoint(5, 700)); // the release never came
             b.mouseUp(QPoint(5, 700));
         }},
    };
    TableTestBed bed;
    // A deal with no ace on the columns and no move between them, so that no row can
    // make a legal move by accident.
    const std::uint32_t seed =
        findSeed(bed, 1, [](const Table& t) { return !aceOnTop(t) && !columnMove(t); });
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Table table = dealSeed(bed, seed);
        const QImage window = bed.window();
        const QImage copy = bed.tableCopy();
        row.events(bed, table);
        bed.expectEngineMatches(table);
        EXPECT_TRUE(samePicture(bed.window(), window));
        EXPECT_TRUE(samePicture(bed.tableCopy(), copy));
    }
}

TEST_F(KlondikePlugin, IllegalDropsSlideHome) {
    struct Row {
        const char* name;
        PileId target; // the top card of column 4 goes there
    };
    const Row rows[] = {
        {"onto a column that does not take it", PileId::tableau(6)},
        {"onto the stock", PileId::stock()},
        {"onto the empty waste", PileId::waste()},
        {"onto an empty foundation", PileId::foundation(2)},
        {"onto the bare table below a column", PileId::tableau(0)},
    };
    TableTestBed bed;
    const std::uint32_t seed = findSeed(bed, 1, [](const Table& t) {
        return !aceOnTop(t) && !MoveJudge(t).isLegal({PileId::tableau(4), 4, PileId::tableau(6)});
    });
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Table table = dealSeed(bed, seed);
        const QImage freshPicture = bed.window();
        const long frames = bed.frames();
        QPoint to = bed.dropPoint(table, row.target);
        if (row.target == PileId::tableau(0))
            to += QPoint(0, 100); // below column 1's only card
        bed.drag(bed.grip(table.pile(PileId::tableau(4)).back().number), to);
        EXPECT_GT(bed.frames(), frames) << "the card should slide home";
        bed.expectEngineMatches(table);
        EXPECT_TRUE(samePicture(bed.window(), freshPicture));
        EXPECT_TRUE(samePicture(bed.tableCopy(), freshPicture));
    }
}

TEST_F(KlondikePlugin, LegalDragLandsOnItsColumn) {
    TableTestBed bed;
    const std::uint32_t seed =
        findSeed(bed, 1, [](const Table& t) { return columnMove(t).has_value(); });
    Table table = dealSeed(bed, seed);
    const Move move = *columnMove(table);
    const long frames = bed.frames();
    bed.drag(bed.grip(table.pile(move.from).back().number), bed.dropPoint(table, move.to));
    EXPECT_GT(bed.frames(), frames) << "the last pixels slide";
    table.move(move.from, move.index, move.to);
    // The face-down card left on top has turned by itself.
    ASSERT_FALSE(table.pile(move.from).empty());
    table.turnUp(move.from);
    expectShows(bed, table);
}

TEST_F(KlondikePlugin, DoubleClickSendsAnAceHome) {
    TableTestBed bed;
    const std::uint32_t seed =
        findSeed(bed, 1, [](const Table& t) { return aceOnTop(t).has_value(); });
    Table table = dealSeed(bed, seed);
    const PileId column = PileId::tableau(*aceOnTop(table));
    const long frames = bed.frames();
    bed.doubleClick(bed.grip(table.pile(column).back().number));
    EXPECT_GT(bed.frames(), frames) << "the ace should slide to its foundation";
    table.move(column, int(table.pile(column).size()) - 1, PileId::foundation(0));
    expectShows(bed, table);
}

TEST_F(KlondikePlugin, StockDrawsAndRedeals) {
    struct Row {
        const char* name;
        int drawCount;
    };
    const Row rows[] = {{"draw one", 1}, {"draw three", 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TableTestBed bed(row.drawCount);
        bed.deal();
        Table table = bed.dealtTable(row.drawCount);
        const QPoint stock = bed.dropPoint(table, PileId::stock());
        int clicks = 0;
        while (!table.pile(PileId::stock()).empty()) {
            bed.click(stock);
            draw(table);
            ++clicks;
            expectShows(bed, table);
            if (::testing::Test::HasFailure())
                return;
        }
        EXPECT_EQ(clicks, row.drawCount == 1 ? 24 : 8);
        bed.click(stock); // the empty stock takes the waste back
        redeal(table);
        expectShows(bed, table);
        // A quick double click on the stock draws twice.
        bed.doubleClick(stock);
        draw(table);
        draw(table);
        expectShows(bed, table);
    }
}

TEST_F(KlondikePlugin, EngineFailuresReachTheHost) {
    TableTestBed bed;
    bed.engine().SetCardBack(1000); // a back far outside the sheet: no 16-bit cell
    EXPECT_THROW(bed.deal(), dorvik::Error);
    bed.engine().SetCardBack(1);
    bed.deal();
    expectShows(bed, bed.dealtTable(1));
}

// Plays a whole game won by the greedy player through mouse events and checks the
// table after every action, with illegal drops tried along the way.
TEST_F(KlondikePlugin, WholeGameWonThroughTheMouse) {
    TableTestBed bed;
    // A game that needs a block move and a redeal, so that both are played.
    const std::uint32_t seed = findSeed(bed, 1, [](const Table& t) {
        const auto outcome = test::GreedyPlayer::play(t);
        return outcome.won && outcome.blockMoves > 0 && outcome.redeals > 0;
    });
    Table table = dealSeed(bed, seed);
    test::GreedyPlayer player(table);
    int actions = 0, blocks = 0, doubleClicks = 0, drags = 0, redeals = 0, illegal = 0;
    long framesBeforeLast = 0;
    while (const auto action = player.next()) {
        SCOPED_TRACE("action " + std::to_string(actions));
        framesBeforeLast = bed.frames();
        switch (action->kind) {
        case test::Action::Kind::Stock:
            redeals += table.pile(PileId::stock()).empty();
            bed.click(bed.dropPoint(table, PileId::stock()));
            break;
        case test::Action::Kind::TurnUp:
            ADD_FAILURE() << "the game turns face-down cards itself";
            break;
        case test::Action::Kind::Move: {
            const Move& move = action->move;
            const int card = table.pile(move.from)[move.index].number;
            if (actions % 5 == 0) {
                // First an illegal drop of the same cards onto the stock: back home.
                const QImage before = bed.window();
                bed.drag(bed.grip(card), bed.dropPoint(table, PileId::stock()));
                EXPECT_TRUE(samePicture(bed.window(), before));
                ++illegal;
            }
            if (move.to.role == Role::Foundation && actions % 2 == 0) {
                bed.doubleClick(bed.grip(card));
                ++doubleClicks;
            } else {
                bed.drag(bed.grip(card), bed.dropPoint(table, move.to));
                ++drags;
                blocks += move.index + 1 < int(table.pile(move.from).size());
            }
            break;
        }
        }
        test::GreedyPlayer::apply(table, *action);
        for (int column = 0; column < Columns; ++column) {
            const auto& cards = table.pile(PileId::tableau(column));
            if (!cards.empty() && !cards.back().faceUp)
                table.turnUp(PileId::tableau(column));
        }
        ++actions;
        if (isWon(table))
            break;
        expectShows(bed, table);
        if (::testing::Test::HasFailure())
            return;
    }
    ASSERT_TRUE(isWon(table)) << "the player did not finish the game it won in the search";
    EXPECT_GT(blocks, 0);
    EXPECT_GT(doubleClicks, 0);
    EXPECT_GT(drags, 0);
    EXPECT_GT(illegal, 0);
    EXPECT_GT(redeals, 0);
    // The last move ran the win sequence: 5 passes of 113 cards and the closing back,
    // each a frame, with the cards thrown out of their piles.
    EXPECT_GE(bed.frames() - framesBeforeLast, 5 * 113 + 1);
    int moved = 0;
    for (std::int16_t n = 53; n <= 113; ++n)
        moved += bed.engine().GetCardX(n).toInteger() != -72;
    EXPECT_GT(moved, 50) << "the win sequence throws the second pack too";
    // The game says so and offers a new deal; declined, a won game takes no more moves,
    // Undo does nothing, and the next press deals a new one.
    ASSERT_FALSE(bed.dialogs().said.empty());
    EXPECT_TRUE(bed.dialogs().said.back().startsWith("Won in ")) << bed.dialogs().said.back().toStdString();
    const kit::Statistics& stats = bed.kitGame().statistics();
    EXPECT_EQ(stats.played(), 1);
    EXPECT_EQ(stats.won(), 1);
    EXPECT_EQ(stats.winRate(), 100);
    EXPECT_EQ(stats.longestStreak(), 1);
    EXPECT_EQ(stats.fewestMoves(), bed.kitGame().table().counters.moves);
    const QImage won = bed.window();
    bed.call("mnuUndo_Click");
    EXPECT_TRUE(samePicture(bed.window(), won)) << "undo after the win changed the table";
    EXPECT_TRUE(com::CallByName(bed.game(), "StatusText").toString("status").contains("Won"));
    bed.click(QPoint(5, 700));
    expectShows(bed, bed.dealtTable(1));
}

} // namespace
} // namespace halvane::klondike
