// The two-pack games on the smallest table they must fit, 960 x 540: every card of a deal
// and of long fans lies inside it, and no two piles overlap.

#include "games/fortythieves/fortythievesrules.h"
#include "games/kit/dealnumber.h"
#include "games/spider/spiderrules.h"

#include "engine/cardgeometry.h"

#include <gtest/gtest.h>

#include <functional>

namespace halvane {
namespace {

using kit::Card;
using kit::PileId;
using kit::Table;

constexpr QSize Smallest(960, 540);

// Puts `faceDown` face-down and `faceUp` face-up cards on every column.
Table withLongFans(Table table, int faceDown, int faceUp) {
    for (PileId id : table.pilesOf(kit::Role::Tableau)) {
        std::vector<Card>& cards = table.cards(id);
        cards.assign(std::size_t(faceDown + faceUp), Card::standard(13));
        for (int i = faceDown; i < faceDown + faceUp; ++i) {
            cards[std::size_t(i)].faceUp = true;
        }
    }
    return table;
}

TEST(TwoPackLayout, EveryCardOnTheSmallestTableAndNoPilesOverlap) {
    const Table spiderDeal = spider::dealTable(kit::deals::order(3, 104), 4);
    Table spiderDrawn = spiderDeal;
    spider::dealRow(spiderDrawn);
    const Table thievesDeal = fortythieves::dealTable(kit::deals::order(3, 104));
    Table thievesDrawn = thievesDeal;
    fortythieves::draw(thievesDrawn);
    struct Row {
        const char* name;
        Table table;
        std::function<kit::Layout(QSize)> layout;
    };
    const Row rows[] = {
        {"Spider, the deal", spiderDeal, spider::tableLayout},
        {"Spider, a row dealt", spiderDrawn, spider::tableLayout},
        {"Spider, five face down under thirty face up", withLongFans(spiderDeal, 5, 30),
         spider::tableLayout},
        {"Forty Thieves, the deal and a card turned", thievesDrawn, fortythieves::tableLayout},
        {"Forty Thieves, thirty face up", withLongFans(thievesDeal, 0, 30),
         fortythieves::tableLayout},
    };
    const QRect inside(QPoint(0, 0), Smallest);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const kit::Layout layout = row.layout(Smallest);
        const std::vector<PileId> ids = row.table.pileIds();
        for (PileId id : ids) {
            SCOPED_TRACE(id.describe().toStdString());
            const QRect area = layout.area(row.table, id);
            EXPECT_TRUE(inside.contains(area))
                << "reaches " << area.right() << ", " << area.bottom();
            for (PileId other : ids) {
                EXPECT_TRUE(other == id || !area.intersects(layout.area(row.table, other)))
                    << "overlaps " << other.describe().toStdString();
            }
        }
    }
}

} // namespace
} // namespace halvane
