// Where piles and cards lie on the window.

#include "dealbuilder.h"

#include "games/klondike/klondikerules.h"

#include <gtest/gtest.h>

namespace halvane::klondike {
namespace {

using test::orderWith;

TEST(TableLayoutPlaces, PilesCentredOnTheScreen) {
    struct Row {
        const char* name;
        int screenWidth;
        PileId pile;
        QPoint origin;
    };
    // The table is 6 * 100 + 71 = 671 pixels wide, narrower where the window is.
    const Row rows[] = {
        {"stock, 1920 wide", 1920, PileId::stock(), {624, 16}},
        {"waste, 1920 wide", 1920, PileId::waste(), {724, 16}},
        {"first foundation after the gap", 1920, PileId::foundation(0), {924, 16}},
        {"last foundation over the last column", 1920, PileId::foundation(3), {1224, 16}},
        {"first column below the top row", 1920, PileId::tableau(0), {624, 136}},
        {"last column", 1920, PileId::tableau(6), {1224, 136}},
        {"odd width rounds down", 1024, PileId::stock(), {176, 16}},
        {"narrower than the table: columns close up", 600, PileId::tableau(1), {88, 136}},
        {"narrowest: columns a card's pitch apart", 400, PileId::tableau(6), {432, 136}},
        {"1000 wide: all seven columns inside", 1000, PileId::tableau(6), {764, 136}},
        {"no screen at all", 0, PileId::stock(), {0, 16}},
        {"absurd width stays in 16 bits", 1000000, PileId::tableau(6), {16600, 136}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tableLayout(QSize(row.screenWidth, 1080)).origin(row.pile), row.origin);
    }
}

TEST(TableLayoutPlaces, CardsInColumnsAndWaste) {
    Table table = dealTable(
        orderWith({"5H", "7C", "6H", "6S", "7D", "5D", "KC"}, {"QH", "AD", "2D", "2H"}), 3);
    table.move(PileId::tableau(5), 5, PileId::tableau(3)); // 5D face up onto 6S
    draw(table);                                           // QH AD 2D fanned
    const kit::Layout layout = tableLayout(QSize(1920, 1080));
    struct Row {
        const char* name;
        PileId pile;
        int index;
        QPoint place;
    };
    const Row rows[] = {
        {"bottom of a column", PileId::tableau(3), 0, {924, 136}},
        {"face-down cards 5 apart", PileId::tableau(3), 2, {924, 146}},
        {"first face-up card 5 below the last face-down", PileId::tableau(3), 3, {924, 151}},
        {"face-up cards 16 apart", PileId::tableau(3), 4, {924, 167}},
        {"landing place on a column", PileId::tableau(3), 5, {924, 183}},
        {"landing place on an empty foundation", PileId::foundation(2), 0, {1124, 16}},
        {"waste fan, first", PileId::waste(), 0, {724, 16}},
        {"waste fan, second: the first's rank and suit show", PileId::waste(), 1, {756, 16}},
        {"waste fan, top", PileId::waste(), 2, {788, 16}},
        {"stock cards squared", PileId::stock(), 20, {624, 16}},
        {"index below the bottom clamps", PileId::tableau(3), -3, {924, 136}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(layout.cardPosition(table, row.pile, row.index), row.place);
    }
}

TEST(TableLayoutHits, PointsFindTheirPiles) {
    Table table = dealTable(orderWith({"5H", "7C", "6H", "6S", "7D", "5D", "KC"}, {}), 1);
    const kit::Layout layout = tableLayout(QSize(1920, 1080));
    struct Row {
        const char* name;
        QPoint point;
        std::optional<PileId> pile;
    };
    const Row rows[] = {
        {"stock corner", {624, 16}, PileId::stock()},
        {"stock far corner", {694, 111}, PileId::stock()},
        {"just right of the stock", {695, 50}, std::nullopt},
        {"empty waste place", {730, 50}, PileId::waste()},
        {"gap between waste and foundations", {850, 50}, std::nullopt},
        {"empty foundation", {950, 100}, PileId::foundation(0)},
        {"column 7 bottom card of 7", {1250, 136 + 30 + 95}, PileId::tableau(6)},
        {"below column 7", {1250, 136 + 30 + 96}, std::nullopt},
        {"between columns", {624 + 80, 200}, std::nullopt},
        {"above the table", {700, 5}, std::nullopt},
        {"far away", {-500, 9000}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(layout.pileAt(table, row.point), row.pile);
    }
}

} // namespace
} // namespace halvane::klondike
