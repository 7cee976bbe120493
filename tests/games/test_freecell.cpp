// FreeCell's rules: the shared deal numbering, what may move where, how far a run may
// move, the double click and the layout at the smallest table.

#include "dealbuilder.h"

#include "games/freecell/freecellrules.h"

#include "engine/cardgeometry.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace halvane::freecell {
namespace {

using klondike::test::cardOf;

PileId T(int i) {
    return PileId::tableau(i);
}
PileId C(int i) {
    return PileId::cell(i);
}
PileId F(int i) {
    return PileId::foundation(i);
}

// A FreeCell table holding only the named cards, face up, bottom first.
Table position(const std::vector<std::vector<std::string>>& columns,
               const std::vector<std::string>& cells = {},
               const std::vector<std::vector<std::string>>& foundations = {}) {
    Table table;
    for (int i = 0; i < Cells; ++i)
        table.addPile(C(i));
    for (int i = 0; i < Foundations; ++i)
        table.addPile(F(i));
    for (int i = 0; i < Columns; ++i)
        table.addPile(T(i));
    const auto put = [&](PileId pile, const std::string& name) {
        if (name.empty())
            return;
        Card card = cardOf(name);
        card.faceUp = true;
        table.cards(pile).push_back(card);
    };
    for (std::size_t i = 0; i < columns.size(); ++i)
        for (const std::string& name : columns[i])
            put(T(int(i)), name);
    for (std::size_t i = 0; i < cells.size(); ++i)
        put(C(int(i)), cells[i]);
    for (std::size_t i = 0; i < foundations.size(); ++i)
        for (const std::string& name : foundations[i])
            put(F(int(i)), name);
    return table;
}

// The layouts of deals 1, 617 and 11982 as the shared numbering defines them (its
// generator and pick worked by hand outside this code), row by row from the left.
TEST(FreeCellDeals, StandardNumbersGiveTheStandardLayouts) {
    struct Row {
        std::uint32_t number;
        std::vector<const char*> rows;
    };
    const Row deals[] = {
        {1,
         {"JD 2D 9H JC 5D 7H 7C 5H", "KD KC 9S 5S AD QC KH 3H", "2S KS 9D QD JS AS AH 3C",
          "4C 5C 10S QH 4H AC 4D 7S", "3S 10D 4S 10H 8H 2C JH 7D", "6D 8S 8D QS 6C 3D 8C 10C",
          "6S 9C 2H 6H"}},
        {617,
         {"7D AD 5C 3S 5S 8C 2D AH", "10D 7S QD AC 6D 8H AS KH", "10H QC 3H 9D 6S 8D 3D 10C",
          "KD 5H 9S 3C 8S 7H 4D JS", "4C QS 9C 9H 7C 6H 2C 2S", "4S 10S 2H 5D JC 6C JH QH",
          "JD KS KC 4H"}},
        {11982,
         {"AH AS 4H AC 2D 6S 10S JS", "3D 3H QS QC 8S 7H AD KS", "KD 6H 5S 4D 9H JH 9S 3C",
          "JC 5D 5C 8C 9D 10D KH 7C", "6C 2C 10H QH 6D 10C 4S 7S", "JD 7D 8H 9C 2H QD 4C 5H",
          "KC 8D 2S 3S"}},
    };
    for (const Row& deal : deals) {
        SCOPED_TRACE(deal.number);
        std::vector<std::vector<std::string>> columns(Columns);
        for (const char* row : deal.rows) {
            const QStringList names = QString(row).split(' ');
            for (int i = 0; i < int(names.size()); ++i)
                columns[std::size_t(i)].push_back(names[i].toStdString());
        }
        EXPECT_EQ(dealTable(standardOrder(deal.number)), position(columns));
    }
}

TEST(FreeCellDeals, EveryNumberDealsTheWholePack) {
    for (std::uint32_t number : {1u, 32000u, 1000000u}) {
        SCOPED_TRACE(number);
        const Table table = dealTable(standardOrder(number));
        EXPECT_EQ(table.cardCount(), PackSize); // dealTable refuses a card twice
        EXPECT_EQ(table.pile(T(0)).size(), 7u);
        EXPECT_EQ(table.pile(T(7)).size(), 6u);
    }
}

TEST(FreeCellMoves, ColumnsCellsAndFoundations) {
    struct Row {
        const char* name;
        Table table;
        Move move;
        bool legal;
    };
    // 8C 7H 6S: a run of three; 9D; QD 5H: no run; 7C; 2S; 3D in a cell; AS home.
    const Table base =
        position({{"8C", "7H", "6S"}, {"9D"}, {"QD", "5H"}, {"7C"}, {"2S"}}, {"3D"}, {{"AS"}});
    const Row rows[] = {
        {"red seven on black eight", position({{"8C"}, {"7H"}}), {T(1), 0, T(0)}, true},
        {"black seven on black eight", position({{"8C"}, {"7S"}}), {T(1), 0, T(0)}, false},
        {"red six on black eight", position({{"8C"}, {"6H"}}), {T(1), 0, T(0)}, false},
        {"run of three on a red nine", base, {T(0), 0, T(1)}, true},
        {"run of two on a red nine: eight missing", base, {T(0), 1, T(1)}, false},
        {"a card that is no run with the one on it", base, {T(2), 0, T(5)}, false},
        {"any card onto an empty column", base, {T(2), 1, T(5)}, true},
        {"column card into a free cell", base, {T(3), 0, C(1)}, true},
        {"column card into a full cell", base, {T(3), 0, C(0)}, false},
        {"run into a free cell", base, {T(0), 1, C(1)}, false},
        {"cell card onto a column", base, {C(0), 0, T(5)}, true},
        {"cell card onto a black four", position({{"4C"}}, {"3D"}), {C(0), 0, T(0)}, true},
        {"cell card into another cell", base, {C(0), 0, C(1)}, true},
        {"two of spades onto its ace", base, {T(4), 0, F(0)}, true},
        {"two of spades onto an empty foundation", base, {T(4), 0, F(1)}, false},
        {"ace onto an empty foundation", position({{"AH"}}), {T(0), 0, F(2)}, true},
        {"two onto an ace of another suit",
         position({{"2H"}}, {}, {{"AS"}}),
         {T(0), 0, F(0)},
         false},
        {"run onto a foundation", position({{"2S", "AH"}}, {}, {{"AS"}}), {T(0), 0, F(0)}, false},
        {"foundation card back to a column", base, {F(0), 0, T(5)}, false},
        {"nothing from an empty cell", base, {C(1), 0, T(5)}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MoveJudge(row.table).isLegal(row.move), row.legal);
    }
}

TEST(FreeCellMoves, ARunMovesAsFarAsCellsAndEmptyColumnsAllow) {
    struct Row {
        const char* name;
        int fullCells;
        int emptyColumns; // besides the target, which is empty when toEmpty
        bool toEmpty;
        int maxRun;
    };
    const Row rows[] = {
        {"four free cells", 0, 0, false, 5},
        {"all cells full", 4, 0, false, 1},
        {"two free cells, one empty column", 2, 1, false, 6},
        {"one free cell, two empty columns", 3, 2, false, 8},
        {"to the only empty column: not counted", 3, 0, true, 2},
        {"to one of two empty columns", 3, 1, true, 4},
        {"no free cell, three empty columns", 4, 3, false, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Columns 0..2 hold a card each, the rest hold cards unless empty.
        std::vector<std::vector<std::string>> columns = {{"KC"}, {"KD"}, {"KH"}};
        const int filled = Columns - 3 - row.emptyColumns - (row.toEmpty ? 1 : 0);
        const char* others[] = {"2C", "2D", "2H", "2S", "3C"};
        for (int i = 0; i < filled; ++i)
            columns.push_back({others[i]});
        std::vector<std::string> cells;
        const char* cellCards[] = {"4C", "4D", "4H", "4S"};
        for (int i = 0; i < row.fullCells; ++i)
            cells.push_back(cellCards[i]);
        const Table table = position(columns, cells);
        const PileId to = row.toEmpty ? T(Columns - 1) : T(0);
        ASSERT_EQ(table.pile(to).empty(), row.toEmpty);
        EXPECT_EQ(maxRun(table, to), row.maxRun);
    }
    // The limit holds for a real move: QD JS 10H 9C onto KS needs four, one cell gives two
    // per empty column.
    const Table table =
        position({{"KS"}, {"QD", "JS", "10H", "9C"}, {}, {"2C"}, {"2D"}, {"2H"}, {"2S"}, {"3C"}},
                 {"4C", "4D", "4H"});
    EXPECT_TRUE(MoveJudge(table).isLegal({T(1), 0, T(0)})) << "(1 + 1) x 2 = 4";
    EXPECT_FALSE(MoveJudge(table).isLegal({T(1), 0, T(2)})) << "to the empty column: 2";
    EXPECT_TRUE(MoveJudge(table).isLegal({T(1), 2, T(2)}));
}

TEST(FreeCellDoubleClick, FoundationElseAFreeCell) {
    struct Row {
        const char* name;
        Table table;
        PileId from;
        std::optional<PileId> target;
    };
    const Row rows[] = {
        {"ace goes home", position({{"AH"}}), T(0), F(0)},
        {"two follows its ace", position({{"2S"}}, {}, {{}, {"AS"}}), T(0), F(1)},
        {"other card to the first free cell", position({{"9H"}}, {"KC"}), T(0), C(1)},
        {"cells full: nowhere", position({{"9H"}}, {"KC", "KD", "KH", "KS"}), T(0), std::nullopt},
        {"cell card goes home", position({{}}, {"", "AD"}), C(1), F(0)},
        {"cell card stays in its cell", position({{}}, {"9D"}), C(0), std::nullopt},
        {"empty column", position({{}}), T(0), std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MoveJudge(row.table).doubleClickTarget(row.from), row.target);
    }
}

TEST(FreeCellLayout, AFullDealAndALongFanFitTheSmallestTable) {
    const QSize area(960, 540);
    const QRect inside(QPoint(0, 0), area);
    Table table = dealTable(standardOrder(1));
    // The longest column a game can build: the seven dealt cards and a run of twelve.
    for (int i = 1; i <= 12; ++i) {
        Card card = Card::standard(std::int16_t(i));
        card.faceUp = true;
        table.cards(T(0)).push_back(card);
    }
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
    EXPECT_GE(layout.faceUpStep(table, T(0)), dorvik::card::Strip / 2) << "ranks still show";
}

} // namespace
} // namespace halvane::freecell
