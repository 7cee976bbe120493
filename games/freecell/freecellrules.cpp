#include "games/freecell/freecellrules.h"

#include "games/kit/dealnumber.h"
#include "games/kit/rules.h"

#include "engine/cardgeometry.h"

#include <algorithm>

namespace halvane::freecell {

namespace rules = kit::rules;

std::vector<Card> standardOrder(std::uint32_t number) {
    // The shared numbering counts the cards rank by rank, clubs, diamonds, hearts, spades
    // within a rank: card i is rank i / 4 + 1 of suit i % 4 + 1.
    std::vector<int> pack(PackSize);
    for (int i = 0; i < PackSize; ++i) {
        pack[std::size_t(i)] = i;
    }
    std::uint32_t seed = number;
    std::vector<Card> order;
    for (int left = PackSize; left > 0; --left) {
        seed = (seed * 214013u + 2531011u) & 0x7fffffffu;
        const int j = int((seed >> 16) & 0x7fffu) % left;
        const int i = pack[std::size_t(j)];
        order.push_back(Card::standard(std::int16_t((i % 4) * 13 + i / 4 + 1)));
        pack[std::size_t(j)] = pack[std::size_t(left) - 1];
    }
    return order;
}

Table dealTable(const std::vector<Card>& order) {
    kit::deals::checkOrder(order, PackSize, "FreeCell");
    Table table;
    for (int i = 0; i < Cells; ++i) {
        table.addPile(PileId::cell(i));
    }
    for (int i = 0; i < Foundations; ++i) {
        table.addPile(PileId::foundation(i));
    }
    for (int i = 0; i < Columns; ++i) {
        table.addPile(PileId::tableau(i));
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        Card card = Card::standard(order[i].number);
        card.faceUp = true;
        table.cards(PileId::tableau(int(i % Columns))).push_back(card);
    }
    return table;
}

int maxRun(const Table& table, PileId to) {
    int freeCells = 0;
    for (PileId cell : table.pilesOf(Role::Cell)) {
        freeCells += table.pile(cell).empty() ? 1 : 0;
    }
    int run = freeCells + 1;
    for (PileId column : table.pilesOf(Role::Tableau)) {
        if (column != to && table.pile(column).empty()) {
            run *= 2;
        }
    }
    return run;
}

bool MoveJudge::canTake(PileId pile, int index) const {
    if (!m_table.has(pile)) {
        return false;
    }
    const auto& cards = m_table.pile(pile);
    switch (pile.role) {
    case Role::Cell:
        return index == int(cards.size()) - 1 && index >= 0;
    case Role::Tableau:
        return rules::isRun(cards, index, rules::alternateColoursDescending);
    default:
        return false;
    }
}

bool MoveJudge::canPlace(const Card& card, int count, PileId pile) const {
    if (!m_table.has(pile) || count < 1 || !card.faceUp) {
        return false;
    }
    const auto& cards = m_table.pile(pile);
    switch (pile.role) {
    case Role::Foundation:
        return rules::goesOnFoundation(cards, card, count);
    case Role::Cell:
        return count == 1 && cards.empty();
    case Role::Tableau:
        if (count > maxRun(m_table, pile)) {
            return false;
        }
        return cards.empty() || rules::alternateColoursDescending(cards.back(), card);
    default:
        return false;
    }
}

bool MoveJudge::isLegal(const Move& move) const {
    if (move.from == move.to || !canTake(move.from, move.index)) {
        return false;
    }
    const auto& cards = m_table.pile(move.from);
    return canPlace(cards[std::size_t(move.index)], int(cards.size()) - move.index, move.to);
}

std::optional<PileId> MoveJudge::doubleClickTarget(PileId from) const {
    if (!m_table.has(from) || m_table.pile(from).empty()) {
        return std::nullopt;
    }
    const int top = int(m_table.pile(from).size()) - 1;
    for (PileId foundation : m_table.pilesOf(Role::Foundation)) {
        if (isLegal({from, top, foundation})) {
            return foundation;
        }
    }
    if (from.role != Role::Tableau) {
        return std::nullopt;
    }
    for (PileId cell : m_table.pilesOf(Role::Cell)) {
        if (isLegal({from, top, cell})) {
            return cell;
        }
    }
    return std::nullopt;
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    const int pitch =
        std::clamp((area.width() - card::Width) / (Columns - 1), card::PitchX, ColumnPitch);
    const int width = (Columns - 1) * pitch + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);
    const auto column = [&](int i) { return left + i * pitch; };

    // Cells and foundations look alike when empty: the top row parts them in the middle,
    // as far as the table's margins allow.
    const int apart = std::min(TopRowShift, left);

    kit::Layout layout(area);
    for (int i = 0; i < Cells; ++i) {
        layout.place(PileId::cell(i),
                     {{column(i) - apart, TopMargin}, kit::Fan::None, 0, 0, false, 1});
    }
    for (int i = 0; i < Foundations; ++i) {
        layout.place(PileId::foundation(i),
                     {{column(Cells + i) + apart, TopMargin}, kit::Fan::None, 0, 0, false, 1});
    }
    for (int i = 0; i < Columns; ++i) {
        layout.place(PileId::tableau(i),
                     {{column(i), TableauTop}, kit::Fan::Down, 5, card::Strip, false, 1});
    }
    return layout;
}

} // namespace halvane::freecell
