// The game kit through Klondike: undo and redo of every kind of move, resuming a saved
// game, an unreadable saved game, the autoplay rule, statistics, keys, hints, layout for
// the window and numbered deals.

#include "dealbuilder.h"
#include "picturecheck.h"
#include "tabletestbed.h"

#include "games/kit/dealnumber.h"
#include "games/kit/moves.h"
#include "games/kit/rules.h"
#include "games/kit/savedgame.h"
#include "games/kit/tablemirror.h"

#include "engine/cardgeometry.h"
#include "platform/com/components.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace halvane::klondike {
namespace {

using test::cardOf;
using test::samePicture;
using test::TableTestBed;

PileId T(int i) {
    return PileId::tableau(i);
}

// The first deal number (drawing one) whose table satisfies `wanted`.
std::uint32_t dealWhere(const std::function<bool(const Table&)>& wanted) {
    for (std::uint32_t n = 1; n < 50000; ++n) {
        if (wanted(dealTable(kit::deals::order(n, PackSize), 1)))
            return n;
    }
    ADD_FAILURE() << "no deal number gives the deal wanted";
    return 1;
}

std::optional<Move> columnMove(const Table& table) {
    const MoveJudge judge(table);
    for (int from = 0; from < Columns; ++from)
        for (int to = 0; to < Columns; ++to) {
            const int top = int(table.pile(T(from)).size()) - 1;
            if (judge.isLegal({T(from), top, T(to)}))
                return Move{T(from), top, T(to)};
        }
    return std::nullopt;
}

// A column move that leaves a run of two which can then move on as a block.
std::optional<std::pair<Move, Move>> blockMove(const Table& table) {
    const MoveJudge judge(table);
    for (int a = 0; a < Columns; ++a)
        for (int b = 0; b < Columns; ++b) {
            const Move first{T(a), int(table.pile(T(a)).size()) - 1, T(b)};
            if (!judge.isLegal(first))
                continue;
            Table after = table;
            after.move(first.from, first.index, first.to);
            for (int c = 0; c < Columns; ++c) {
                const Move second{T(b), int(after.pile(T(b)).size()) - 2, T(c)};
                if (MoveJudge(after).isLegal(second))
                    return std::pair{first, second};
            }
        }
    return std::nullopt;
}

QPoint topOf(TableTestBed& bed, const Table& table, PileId pile) {
    return bed.grip(table.pile(pile).back().number);
}

bool call(TableTestBed& bed, const char* operation) {
    return com::CallByName(bed.game(), operation, {com::Variant::fromLong(bed.hdc())})
               .toSingle("result") != 0;
}

void refresh(TableTestBed& bed, int width, int height) {
    bed.clearWindow();
    com::CallByName(bed.game(), "RefreshTable",
                    {com::Variant::fromLong(bed.hdc()),
                     com::Variant::fromInteger(std::int16_t(width)),
                     com::Variant::fromInteger(std::int16_t(height))});
}

TEST(KitUndo, EveryKindOfMoveUndoesAndRedoesToTheExactTable) {
    struct Row {
        const char* name;
        bool autoplay;
        std::function<bool(const Table&)> deal;
        std::function<void(TableTestBed&, const Table&)> setup; // not undone
        std::function<void(TableTestBed&, const Table&)> action;
    };
    const auto none = [](TableTestBed&, const Table&) {};
    const auto any = [](const Table&) { return true; };
    const auto clickStock = [](TableTestBed& bed, const Table& t) {
        bed.click(bed.dropPoint(t, PileId::stock()));
    };
    const Row rows[] = {
        {"stock draw", false, any, none, clickStock},
        {"redeal of the waste", false, any,
         [&](TableTestBed& bed, const Table& t) {
             for (int i = 0; i < 24; ++i)
                 clickStock(bed, t);
         },
         clickStock},
        {"column move with the turn it uncovers", false,
         [](const Table& t) { return columnMove(t).has_value(); }, none,
         [](TableTestBed& bed, const Table& t) {
             const Move m = *columnMove(t);
             bed.drag(topOf(bed, t, m.from), bed.dropPoint(t, m.to));
         }},
        {"block move", false, [](const Table& t) { return blockMove(t).has_value(); },
         [](TableTestBed& bed, const Table& t) {
             const Move m = blockMove(t)->first;
             bed.drag(topOf(bed, t, m.from), bed.dropPoint(t, m.to));
         },
         [](TableTestBed& bed, const Table&) {
             const Table& now = bed.kitGame().table();
             const Move m = blockMove(bed.dealtTable(1))->second;
             bed.drag(bed.grip(now.pile(m.from)[std::size_t(m.index)].number),
                      bed.dropPoint(now, m.to));
         }},
        {"double click of an ace home", false,
         [](const Table& t) {
             for (int c = 0; c < Columns; ++c)
                 if (t.pile(T(c)).back().rank == 1)
                     return true;
             return false;
         },
         none,
         [](TableTestBed& bed, const Table& t) {
             for (int c = 0; c < Columns; ++c)
                 if (t.pile(T(c)).back().rank == 1)
                     return bed.doubleClick(topOf(bed, t, T(c)));
         }},
        {"stock draw of an ace that autoplay sends home", true,
         [](const Table& t) { return t.pile(PileId::stock()).back().rank == 1; }, none, clickStock},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TableTestBed bed(1, row.autoplay);
        bed.dealNumber(dealWhere(row.deal));
        const Table dealt = bed.kitGame().table();
        row.setup(bed, dealt);
        const Table before = bed.kitGame().table();
        const QImage beforePicture = bed.window();
        row.action(bed, before);
        const Table after = bed.kitGame().table();
        const QImage afterPicture = bed.window();
        ASSERT_NE(after, before) << "the action changed nothing";
        EXPECT_EQ(after.counters.moves, before.counters.moves + 1) << "one action, one move";
        if (row.autoplay) {
            EXPECT_EQ(after.pile(PileId::foundation(0)).size(), 1u) << "autoplay moved the ace";
        }

        EXPECT_FALSE(call(bed, "mnuUndo_Click")) << "the game redraws itself";
        EXPECT_EQ(bed.kitGame().table(), before);
        EXPECT_TRUE(samePicture(bed.window(), beforePicture));
        EXPECT_TRUE(samePicture(bed.tableCopy(), beforePicture));
        bed.expectEngineMatches(before);

        call(bed, "mnuRedo_Click");
        EXPECT_EQ(bed.kitGame().table(), after);
        EXPECT_TRUE(samePicture(bed.window(), afterPicture));
        EXPECT_TRUE(samePicture(bed.tableCopy(), afterPicture));
        bed.expectEngineMatches(after);
        call(bed, "mnuRedo_Click"); // nothing left to redo
        EXPECT_EQ(bed.kitGame().table(), after);
    }
}

TEST(KitResume, SavedGameComesBackExactly) {
    struct Row {
        const char* name;
        std::function<void(TableTestBed&)> show; // how the new object first shows its table
    };
    const Row rows[] = {
        {"the host asks for a refresh", [](TableTestBed& bed) { refresh(bed, 1024, 768); }},
        {"an older host: the first click", [](TableTestBed& bed) { bed.click(QPoint(5, 700)); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TableTestBed bed;
        bed.dealNumber(dealWhere([](const Table& t) { return columnMove(t).has_value(); }));
        const Table dealt = bed.kitGame().table();
        const Move m = *columnMove(dealt);
        bed.drag(topOf(bed, dealt, m.from), bed.dropPoint(dealt, m.to));
        const Table afterMove = bed.kitGame().table();
        bed.click(bed.dropPoint(dealt, PileId::stock()));
        const Table saved = bed.kitGame().table();
        const QImage picture = bed.window();
        const std::uint32_t number = bed.kitGame().currentDeal();
        com::CallByName(bed.game(), "SaveGame");

        bed.recreate();
        row.show(bed);
        EXPECT_EQ(bed.kitGame().table(), saved);
        EXPECT_EQ(bed.kitGame().currentDeal(), number);
        EXPECT_TRUE(samePicture(bed.window(), picture));
        bed.expectEngineMatches(saved);
        EXPECT_TRUE(com::CallByName(bed.game(), "StatusText")
                        .toString("status")
                        .startsWith(QStringLiteral("Klondike  Deal %1  Moves 2  ").arg(number)));
        call(bed, "mnuUndo_Click"); // the history came back too
        EXPECT_EQ(bed.kitGame().table(), afterMove);
        EXPECT_TRUE(bed.dialogs().said.empty()) << "nothing to tell on a good file";
    }
}

TEST(KitSavedGame, UnreadableFileIsToldOnceKeptAsideAndADealFollows) {
    struct Row {
        const char* name;
        QByteArray content;
        const char* reason;
    };
    const QByteArray good = [] {
        const Table t = dealTable(kit::deals::order(5, PackSize), 1);
        kit::SavedGame saved{"Klondike", 5, 30, t, {}, {}};
        QByteArray text = "[General]\n";
        const QVariantMap values = saved.toValues();
        for (auto it = values.begin(); it != values.end(); ++it)
            if (it.value().typeId() != QMetaType::QStringList)
                text += it.key().toUtf8() + "=\"" + it.value().toString().toUtf8() + "\"\n";
        return text;
    }();
    const QByteArray twice = [&good] {
        Table t = dealTable(kit::deals::order(5, PackSize), 1);
        t.cards(PileId::waste()).push_back(t.pile(PileId::stock()).front());
        QByteArray text = good;
        const int start = text.indexOf("Table=\"") + 7;
        text.replace(start, text.indexOf('"', start) - start, kit::tableText(t).toUtf8());
        return text;
    }();
    const Row rows[] = {
        {"not a settings file at all", QByteArray("\x01\x02garbage\xff", 11), "missing"},
        {"another version", QByteArray(good).replace("Version=\"1\"", "Version=\"7\""),
         "version 7"},
        {"another game", QByteArray(good).replace("Game=\"Klondike\"", "Game=\"Spider\""),
         "Spider"},
        {"a card twice", twice, "each card"},
        {"a table cut short", QByteArray(good).replace("Table=\"", "Table=\"1,-1,0/"), "parts"},
    };
    ASSERT_NE(twice, good);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TableTestBed bed;
        const QString path = bed.folder() + "/gamedata/Klondike/savedgame.ini";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.content);
        file.close();

        bed.recreate();
        ASSERT_EQ(bed.dialogs().said.size(), 1u);
        EXPECT_TRUE(bed.dialogs().said[0].contains("could not be read"));
        EXPECT_TRUE(bed.dialogs().said[0].contains(row.reason))
            << bed.dialogs().said[0].toStdString();
        EXPECT_FALSE(QFile::exists(path));
        QFile kept(path + ".bad");
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), row.content) << "the unreadable file is kept as it was";

        refresh(bed, 1024, 768);
        bed.expectEngineMatches(bed.dealtTable(1));
        bed.recreate();
        EXPECT_EQ(bed.dialogs().said.size(), 0u) << "told once";
    }
}

TEST(KitAutoplay, SafeOnlyWhenNoCardCanStillNeedIt) {
    struct Row {
        const char* name;
        std::vector<std::string> home; // foundation tops
        const char* card;
        bool safe;
        int base = kit::rules::Ace;
    };
    const Row rows[] = {
        {"an ace", {}, "AH", true},
        {"a two on nothing else", {"AH"}, "2H", true},
        {"red three, black foundations at their aces", {"AC", "AS"}, "3H", false},
        {"red three, both black twos home", {"2C", "2S"}, "3H", true},
        {"red three, one black suit not started", {"2C"}, "3D", false},
        {"black five, both red fours home", {"4D", "4H"}, "5S", true},
        {"black five, one red suit at three", {"3D", "4H"}, "5C", false},
        {"black five, own colour far ahead does not help", {"KS", "QC", "3D", "3H"}, "5C", false},
        {"king, red queens home", {"QD", "QH"}, "KS", true},
        {"base eight: an eight", {}, "8H", true, 8},
        {"base eight: a nine on its eight", {"8H"}, "9H", true, 8},
        {"base eight: a ten, black nines home", {"9C", "9S"}, "10H", true, 8},
        {"base eight: a ten, one black suit at its eight", {"8C", "9S"}, "10D", false, 8},
        {"base eight: an ace, red kings home", {"KD", "KH"}, "AS", true, 8},
        {"base eight: an ace, a red suit at its queen", {"QD", "KH"}, "AC", false, 8},
        {"base eight: a seven ends its suit, red sixes home", {"6D", "6H"}, "7S", true, 8},
        {"base eight: a seven, red kings only", {"KD", "KH"}, "7S", false, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table;
        for (int i = 0; i < Foundations; ++i)
            table.addPile(PileId::foundation(i));
        for (std::size_t i = 0; i < row.home.size(); ++i) {
            Card top = cardOf(row.home[i]);
            top.faceUp = true;
            table.cards(PileId::foundation(int(i))).push_back(top);
        }
        EXPECT_EQ(kit::rules::isSafeToFoundation(table, cardOf(row.card), row.base), row.safe);
    }
}

TEST(KitStatistics, PlayedAtTheFirstMoveAndAGivenUpGameEndsTheStreak) {
    TableTestBed bed;
    bed.deal();
    kit::Statistics& stats = bed.kitGame().statistics();
    EXPECT_EQ(stats.played(), 0) << "no move yet";
    const QPoint stock = bed.dropPoint(bed.dealtTable(1), PileId::stock());
    bed.click(stock);
    EXPECT_EQ(stats.played(), 1);

    bed.dialogs().answer = false; // keep playing
    bed.deal();
    EXPECT_EQ(bed.kitGame().table().counters.moves, 1) << "the game under way stays";
    EXPECT_EQ(bed.dialogs().said.size(), 1u);

    bed.dialogs().answer = true;
    bed.dialogs().tickDontAsk = true;
    bed.deal();
    EXPECT_EQ(bed.kitGame().table().counters.moves, 0);
    EXPECT_EQ(stats.currentStreak(), 0);
    EXPECT_EQ(QSettings(bed.folder() + "/gamedata/Klondike/statistics.ini", QSettings::IniFormat)
                  .value("Played")
                  .toInt(),
              1);
    bed.click(stock);
    bed.deal(); // not asked again
    EXPECT_EQ(bed.dialogs().said.size(), 2u);
    EXPECT_EQ(stats.played(), 2);
    EXPECT_EQ(stats.won(), 0);
}

TEST(KitKeys, EscapeDuringADragSendsTheCardHome) {
    TableTestBed bed;
    bed.deal();
    const QImage before = bed.window();
    const QPoint from = topOf(bed, bed.dealtTable(1), T(3));
    bed.mouseDown(from);
    bed.mouseMove(from + QPoint(200, 150));
    com::CallByName(bed.game(), "Form_KeyDown",
                    {com::Variant::fromLong(bed.hdc()), com::Variant::fromLong(Qt::Key_Escape),
                     com::Variant::fromInteger(0)});
    EXPECT_TRUE(samePicture(bed.window(), before));
    bed.mouseUp(from + QPoint(200, 150));
    EXPECT_TRUE(samePicture(bed.window(), before));
    EXPECT_TRUE(samePicture(bed.tableCopy(), before));
}

TEST(KitHint, ShowsAMoveForAMomentAndChangesNothing) {
    TableTestBed bed;
    bed.dealNumber(dealWhere([](const Table& t) { return columnMove(t).has_value(); }));
    const Table table = bed.kitGame().table();
    const QImage before = bed.window();
    for (int press = 0; press < 3; ++press) {
        const long frames = bed.frames();
        call(bed, "mnuHint_Click");
        EXPECT_GE(bed.frames() - frames, 20) << "the hint stays up for a moment";
        EXPECT_EQ(bed.kitGame().table(), table);
        EXPECT_TRUE(samePicture(bed.window(), before));
    }
    EXPECT_TRUE(bed.dialogs().said.empty());
}

TEST(KitHint, NoMovesLeftIsSaidWhenStockAndTableOfferNothing) {
    // Drawing one with a single redeal, both passes through the stock made without a move.
    const auto stuck = [](const Table& dealt) {
        Table t = dealt;
        t.options[RedealLimit] = 1;
        while (MoveJudge(t).canDraw())
            draw(t);
        redeal(t);
        while (MoveJudge(t).canDraw())
            draw(t);
        const kit::RuleSet rules{
            [](const Table& x, PileId p, int i) { return MoveJudge(x).canTake(p, i); },
            [](const Table& x, const Card& c, int n, PileId p) {
                return MoveJudge(x).canPlace(c, n, p);
            }};
        return kit::usefulMoves(t, rules).empty();
    };
    TableTestBed bed;
    QSettings(bed.settingsPath(), QSettings::IniFormat).setValue("Redeals", 1);
    bed.dealNumber(dealWhere(stuck));
    const QPoint stock = bed.dropPoint(bed.kitGame().table(), PileId::stock());
    for (int click = 0; click < 2 * 24 + 1; ++click)
        bed.click(stock);
    ASSERT_TRUE(bed.kitGame().table().pile(PileId::stock()).empty());
    EXPECT_TRUE(bed.dialogs().said.empty());
    const long frames = bed.frames();
    call(bed, "mnuHint_Click");
    ASSERT_EQ(bed.dialogs().said.size(), 1u);
    EXPECT_EQ(bed.dialogs().said[0], "No moves left.");
    EXPECT_EQ(bed.frames(), frames) << "nothing to show";
}

TEST(KitHint, ARunIsLeftOutOnlyWhereItIsBuiltOnTheCardUnderIt) {
    Table table = dealTable(test::standardOrder(), 1);
    const auto faceUp = [](std::vector<std::string> names) {
        std::vector<Card> cards;
        for (const std::string& name : names) {
            cards.push_back(cardOf(name));
            cards.back().faceUp = true;
        }
        return cards;
    };
    table.cards(T(0)) = faceUp({"9S", "5H"}); // not built on the nine
    table.cards(T(1)) = faceUp({"6C"});
    table.cards(T(2)) = faceUp({"6S", "5D"}); // built on the six
    const kit::RuleSet klondike{
        [](const Table& t, PileId p, int i) { return MoveJudge(t).canTake(p, i); },
        [](const Table& t, const Card& c, int n, PileId p) {
            return MoveJudge(t).canPlace(c, n, p);
        }};
    // Where only a top card moves, every face-up card under it looks alike.
    const kit::RuleSet topOnly{[](const Table& t, PileId p, int i) {
                                   return p.role == Role::Tableau && i + 1 == int(t.pile(p).size());
                               },
                               klondike.canPlace};
    struct Row {
        const char* name;
        const kit::RuleSet& rules;
        Move move;
        bool shown;
    };
    const Row rows[] = {
        {"top card only: off a card it is not built on", topOnly, {T(0), 1, T(1)}, true},
        {"any face-up card: off the card it is built on", klondike, {T(2), 1, T(1)}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<Move> moves = kit::usefulMoves(table, row.rules);
        EXPECT_EQ(std::count(moves.begin(), moves.end(), row.move), row.shown ? 1 : 0);
    }
}

TEST(KitHint, MovesOntoCardsComeBeforeMovesToEmptyPlaces) {
    // An empty cell, then columns all face up: 9S 8H | 5C 8D | 9C. The eight of hearts
    // lies on its builder, the eight of diamonds does not; onto the nine of clubs comes
    // before into the cell.
    Table table;
    table.addPile(PileId::cell(0));
    const std::vector<std::vector<const char*>> columns = {{"9S", "8H"}, {"5C", "8D"}, {"9C"}};
    for (int i = 0; i < int(columns.size()); ++i) {
        table.addPile(T(i));
        for (const char* name : columns[std::size_t(i)]) {
            Card card = cardOf(name);
            card.faceUp = true;
            table.cards(T(i)).push_back(card);
        }
    }
    const kit::RuleSet rules{
        [](const Table& t, PileId p, int i) {
            return kit::rules::isRun(t.pile(p), i, kit::rules::alternateColoursDescending);
        },
        [](const Table& t, const Card& card, int count, PileId p) {
            const auto& cards = t.pile(p);
            if (p.role == Role::Cell) {
                return cards.empty() && count == 1;
            }
            return cards.empty() || kit::rules::alternateColoursDescending(cards.back(), card);
        }};
    EXPECT_EQ(kit::usefulMoves(table, rules),
              std::vector<Move>({{T(1), 1, T(2)}, {T(1), 1, PileId::cell(0)}}));
}

TEST(KitLayout, TheTableFitsTheWindowItIsGiven) {
    TableTestBed bed;
    bed.deal();
    refresh(bed, 1000, 700);
    int right = 0;
    for (std::int16_t n = 1; n <= 52; ++n)
        right = std::max(right, bed.engine().GetCardX(n).toInteger() + dorvik::card::Width);
    EXPECT_LE(right, 1000) << "all seven columns show";

    // The longest column, six face down and a run of thirteen, closes up in a low window
    // so that its top card stays on it.
    Table tall = dealTable(kit::deals::order(1, PackSize), 1);
    auto& column = tall.cards(T(6));
    for (int i = 0; i < 12; ++i) {
        Card card = tall.pile(PileId::stock())[std::size_t(i)];
        card.faceUp = true;
        column.push_back(card);
    }
    const kit::Layout layout = tableLayout(QSize(1000, 400));
    const QPoint top = layout.cardPosition(tall, T(6), int(column.size()) - 1);
    EXPECT_LE(top.y() + dorvik::card::Height, 400);
    EXPECT_GT(layout.cardPosition(tall, T(6), 7).y(), layout.cardPosition(tall, T(6), 6).y());
}

// Piles T(0) and T(1), with each of `cards` face up on the pile paired with it.
Table twoPiles(const std::vector<std::pair<PileId, Card>>& cards) {
    Table table;
    table.addPile(T(0));
    table.addPile(T(1));
    for (auto [pile, card] : cards) {
        card.faceUp = true;
        table.cards(pile).push_back(card);
    }
    return table;
}

TEST(KitMirror, ACardOfAnotherPileCoversOnlyWhenTheGameSaysSo) {
    // Two single-card piles, the later one half over the earlier: the card underneath
    // has the higher number, so the engine, which grabs the highest number under the
    // pointer, takes it wherever it is not blocked.
    struct Row {
        const char* name;
        std::function<bool(PileId, int)> covered;
        int blocked;     // the engine's IsBlocked of the card underneath
        int pickedBelow; // what a press where the two overlap grabs
    };
    const Card under = cardOf("KS"), over = cardOf("AC");
    const Row rows[] = {
        {"no answer: every pile on its own", {}, 0, under.number},
        {"covered", [](PileId p, int) { return p == T(0); }, -1, over.number},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TableTestBed bed;
        const Table table = twoPiles({{T(0), under}, {T(1), over}});
        kit::Layout layout;
        layout.place(T(0), {{100, 100}, kit::Fan::None});
        layout.place(T(1), {{136, 148}, kit::Fan::None});
        kit::TableMirror mirror(bed.engine());
        mirror.redraw(bed.hdc(), kit::TableBackground(), table,
                      {layout, [](PileId) { return short(0); }, [](PileId, int) { return true; },
                       row.covered});
        EXPECT_EQ(bed.engine().GetCardIsBlocked(under.number).toInteger(), row.blocked);
        EXPECT_EQ(bed.engine().GetCardDisabled(under.number).toInteger(), row.blocked);
        EXPECT_EQ(bed.engine().GetCardIsBlocked(over.number).toInteger(), 0);
        EXPECT_EQ(bed.engine().InitDrag(bed.hdc(), 150, 160).toInteger(), row.pickedBelow);
        EXPECT_EQ(bed.engine().InitDrag(bed.hdc(), 110, 110).toInteger(),
                  row.blocked ? 0 : under.number)
            << "the covered card's own visible corner";
    }
}

TEST(KitMirror, TheTableCopyHoldsWhatTheWindowShows) {
    // The engine's ReDraw puts the table copy back on the window (a paint does so): what
    // a redraw drew over an earlier table must come back exactly, with nothing of that
    // earlier table in it.
    struct Row {
        const char* name;
        std::vector<Card> cards; // onto the first of two piles; the second stays empty
    };
    const Row rows[] = {
        {"no cards, only markers", {}},
        {"cards beside a marker", {cardOf("KS"), cardOf("AC")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TableTestBed bed;
        std::vector<std::pair<PileId, Card>> cards;
        for (const Card& card : row.cards)
            cards.emplace_back(T(0), card);
        const Table table = twoPiles(cards);
        kit::Layout layout;
        layout.place(T(0), {{100, 100}, kit::Fan::Down});
        layout.place(T(1), {{300, 100}, kit::Fan::None});
        layout.place(T(2), {{500, 100}, kit::Fan::None});
        const kit::TableMirror::Look look{
            layout, [](PileId) { return short(2); }, [](PileId, int) { return true; }, {}};
        kit::TableMirror mirror(bed.engine());
        Table earlier = table;
        earlier.addPile(T(2));
        earlier.cards(T(2)).push_back(cardOf("QH"));
        mirror.redraw(bed.hdc(), kit::TableBackground(), earlier, look);
        mirror.redraw(bed.hdc(), kit::TableBackground(), table, look);
        const QImage drawn = gdi::SurfaceImage(bed.hdc());
        bed.clearWindow();
        ASSERT_FALSE(samePicture(gdi::SurfaceImage(bed.hdc()), drawn)) << "nothing was drawn";
        bed.engine().ReDraw(bed.hdc());
        EXPECT_TRUE(samePicture(gdi::SurfaceImage(bed.hdc()), drawn));

        // Drawn on the window the host has just cleared (RefreshTable), which is not
        // filled again: the same picture as over the earlier table, and the same table copy.
        kit::TableBackground hosts;
        bed.clearWindow();
        hosts.remember(bed.hdc());
        mirror.redraw(bed.hdc(), hosts, earlier, look);
        mirror.redraw(bed.hdc(), hosts, table, look);
        const QImage overEarlier = gdi::SurfaceImage(bed.hdc());
        bed.clearWindow();
        mirror.redraw(bed.hdc(), hosts, table, look, kit::TableMirror::Window::Bare);
        EXPECT_TRUE(samePicture(gdi::SurfaceImage(bed.hdc()), overEarlier)) << "on a bare window";
        bed.clearWindow();
        bed.engine().ReDraw(bed.hdc());
        EXPECT_TRUE(samePicture(gdi::SurfaceImage(bed.hdc()), overEarlier)) << "its table copy";
    }
}

TEST(KitDeals, NumbersReplayTheirDeals) {
    EXPECT_EQ(kit::deals::order(123, 52), kit::deals::order(123, 52));
    EXPECT_NE(kit::deals::order(123, 52), kit::deals::order(124, 52));
    std::vector<int> numbers;
    for (const Card& card : kit::deals::order(99, 104))
        numbers.push_back(card.number);
    std::sort(numbers.begin(), numbers.end());
    for (int i = 0; i < 104; ++i)
        ASSERT_EQ(numbers[std::size_t(i)], i + 1) << "each card once";

    TableTestBed bed;
    bed.deal();
    const std::uint32_t number = bed.kitGame().currentDeal();
    const Table dealt = bed.kitGame().table();
    bed.click(bed.dropPoint(dealt, PileId::stock()));
    bed.dialogs().answer = true;
    call(bed, "mnuRestart_Click");
    EXPECT_EQ(bed.kitGame().table(), dealt) << "the same deal from the start";
    bed.dialogs().number = 4242;
    call(bed, "mnuDealNumber_Click");
    EXPECT_EQ(bed.kitGame().currentDeal(), 4242u);
    bed.expectEngineMatches(bed.dealtTable(1));
    EXPECT_NE(number, 0u);
}

TEST(KitDeals, AnOrderThatIsNoPackIsToldWhatIsWrong) {
    const std::vector<Card> pack = kit::deals::order(5, 104);
    std::vector<Card> twice = pack;
    twice[3] = twice[90];
    std::vector<Card> outside = pack;
    outside[0].number = 105;
    struct Row {
        const char* name;
        std::vector<Card> order;
        std::string says; // empty: accepted
    };
    const Row rows[] = {
        {"two packs", pack, ""},
        {"one pack short", kit::deals::order(5, 52), "Game: a deal needs 104 cards, got 52"},
        {"a card twice", twice,
         "Game: card " + std::to_string(twice[3].number) + " appears twice in the deal"},
        {"a card past the packs", outside, "Game: card 105 is not a number from 1 to 104"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string said;
        try {
            kit::deals::checkOrder(row.order, 104, "Game");
        } catch (const std::invalid_argument& e) {
            said = e.what();
        }
        EXPECT_EQ(said, row.says);
    }
}

TEST(KitScoring, StandardPoints) {
    struct Row {
        const char* name;
        Move move;
        int points;
    };
    const Row rows[] = {
        {"waste to column", {PileId::waste(), 0, T(1)}, 5},
        {"waste to foundation", {PileId::waste(), 0, PileId::foundation(0)}, 10},
        {"column to foundation", {T(2), 2, PileId::foundation(0)}, 10},
        {"foundation to column", {PileId::foundation(0), 0, T(2)}, -15},
        {"column to column", {T(2), 2, T(1)}, 0},
    };
    const Table table = dealTable(test::standardOrder(), 1, Unlimited, true);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MoveJudge(table).score(row.move), row.points);
    }
    for (int drawCount : {1, 3}) {
        SCOPED_TRACE(drawCount);
        Table t = dealTable(test::standardOrder(), drawCount, 1, true);
        t.counters.score = 150;
        while (MoveJudge(t).canDraw())
            draw(t);
        redeal(t);
        EXPECT_EQ(t.counters.score, drawCount == 1 ? 50 : 150);
        while (MoveJudge(t).canDraw())
            draw(t);
        EXPECT_FALSE(MoveJudge(t).canRedeal()) << "one redeal allowed";
    }
}

} // namespace
} // namespace halvane::klondike
