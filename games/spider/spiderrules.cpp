#include "games/spider/spiderrules.h"

#include "games/kit/dealnumber.h"

#include "engine/cardgeometry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace halvane::spider {

namespace {

namespace rules = kit::rules;

PileId column(int i) {
    return PileId::tableau(i);
}

} // namespace

Table dealTable(const std::vector<Card>& order, int suits) {
    if (suits != 1 && suits != 2 && suits != 4) {
        throw std::invalid_argument("Spider: " + std::to_string(suits) +
                                    " suits is not one of 1, 2 or 4");
    }
    kit::deals::checkOrder(order, PackSize, "Spider");
    Table table;
    table.addPile(PileId::stock());
    for (int i = 0; i < Foundations; ++i) {
        table.addPile(PileId::foundation(i));
    }
    for (int i = 0; i < Columns; ++i) {
        table.addPile(column(i));
    }
    for (int next = 0; next < DealtCards; ++next) {
        table.cards(column(next % Columns))
            .push_back(Card::standard(order[std::size_t(next)].number));
    }
    for (int i = 0; i < Columns; ++i) {
        table.cards(column(i)).back().faceUp = true;
    }
    for (std::size_t i = order.size(); i > DealtCards; --i) {
        table.cards(PileId::stock()).push_back(Card::standard(order[i - 1].number));
    }
    table.options = {suits};
    table.counters.score = StartScore;
    return table;
}

rules::Builds buildsInSuit(int suits) {
    switch (suits) {
    case 1:
        return rules::anySuitDescending;
    case 2:
        return rules::sameColourDescending;
    default:
        return rules::sameSuitDescending;
    }
}

bool canDealRow(const Table& table) {
    if (table.pile(PileId::stock()).empty()) {
        return false;
    }
    for (int i = 0; i < Columns; ++i) {
        if (table.pile(column(i)).empty()) {
            return false;
        }
    }
    return true;
}

void dealRow(Table& table) {
    if (!canDealRow(table)) {
        throw std::logic_error("Spider: a row is dealt only from a stock onto ten columns "
                               "that all hold cards");
    }
    for (int i = 0; i < Columns && !table.pile(PileId::stock()).empty(); ++i) {
        table.draw(PileId::stock(), column(i), 1);
    }
    table.counters.score = std::max(0, table.counters.score + MovePoints);
}

int clearFinishedRuns(Table& table) {
    const rules::Builds builds = buildsInSuit(table.options.at(Suits));
    int cleared = 0;
    for (int i = 0; i < Columns; ++i) {
        const auto& cards = table.pile(column(i));
        const int first = int(cards.size()) - RunLength;
        if (first < 0 || cards[std::size_t(first)].rank != rules::King ||
            !rules::isRun(cards, first, builds)) {
            continue;
        }
        for (PileId foundation : table.pilesOf(Role::Foundation)) {
            if (table.pile(foundation).empty()) {
                table.move(column(i), first, foundation);
                // The king on top, as on a foundation built up from the ace.
                std::vector<Card>& home = table.cards(foundation);
                std::reverse(home.begin(), home.end());
                table.counters.score += RunPoints;
                ++cleared;
                break;
            }
        }
    }
    return cleared;
}

bool MoveJudge::canTake(PileId pile, int index) const {
    return pile.role == Role::Tableau && m_table.has(pile) &&
           rules::isRun(m_table.pile(pile), index, buildsInSuit(m_table.options.at(Suits)));
}

bool MoveJudge::canPlace(const Card& card, int count, PileId pile) const {
    if (pile.role != Role::Tableau || !m_table.has(pile) || count < 1 || !card.faceUp) {
        return false;
    }
    const auto& cards = m_table.pile(pile);
    return cards.empty() || (cards.back().faceUp && rules::anySuitDescending(cards.back(), card));
}

bool MoveJudge::isLegal(const Move& move) const {
    if (move.from == move.to || !canTake(move.from, move.index)) {
        return false;
    }
    const auto& cards = m_table.pile(move.from);
    return canPlace(cards[std::size_t(move.index)], int(cards.size()) - move.index, move.to);
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    const int pitch = std::clamp((area.width() - 2 * SideMargin - card::Width) / (Columns - 1),
                                 card::PitchX, ColumnPitch);
    const int width = (Columns - 1) * pitch + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);
    const auto x = [&](int i) { return left + i * pitch; };

    kit::Layout layout(area);
    layout.place(PileId::stock(), {{x(0), TopMargin}, kit::Fan::None, 0, 0, false, 1});
    for (int i = 0; i < Foundations; ++i) {
        layout.place(PileId::foundation(i),
                     {{x(Columns - Foundations + i), TopMargin}, kit::Fan::None, 0, 0, false, 1});
    }
    for (int i = 0; i < Columns; ++i) {
        layout.place(column(i), {{x(i), TableauTop}, kit::Fan::Down, 5, card::Strip, false, 1});
    }
    return layout;
}

} // namespace halvane::spider
