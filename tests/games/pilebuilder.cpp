#include "pilebuilder.h"

#include "dealbuilder.h"

#include <gtest/gtest.h>

namespace halvane::test {

kit::Table laidOut(kit::Table table, const Piles& piles) {
    for (kit::PileId id : table.pileIds())
        table.cards(id).clear();
    for (const auto& [id, names] : piles)
        for (const std::string& name : names) {
            const bool down = !name.empty() && name[0] == '-';
            kit::Card card = klondike::test::cardOf(down ? name.substr(1) : name);
            card.faceUp = !down;
            table.cards(id).push_back(card);
        }
    return table;
}

void expectFits(const kit::Layout& layout, const kit::Table& table, QSize area) {
    const QRect window(QPoint(0, 0), area);
    std::vector<QRect> placed;
    for (kit::PileId id : table.pileIds()) {
        SCOPED_TRACE(id.describe().toStdString());
        const QRect pile = layout.area(table, id);
        EXPECT_TRUE(window.contains(pile)) << "inside the window";
        for (const QRect& other : placed)
            EXPECT_FALSE(pile.intersects(other)) << "no two piles overlap";
        placed.push_back(pile);
    }
}

} // namespace halvane::test
