#include "greedyplayer.h"

namespace halvane::klondike::test {

std::optional<Action> GreedyPlayer::next() {
    if (isWon(m_table))
        return std::nullopt;
    const MoveJudge judge(m_table);
    for (int column = 0; column < Columns; ++column) {
        const auto& cards = m_table.pile(PileId::tableau(column));
        if (!cards.empty() && !cards.back().faceUp) {
            m_idleStockClicks = 0;
            return Action{Action::Kind::TurnUp, {}, column};
        }
    }
    for (auto find :
         {&GreedyPlayer::foundationMove, &GreedyPlayer::uncoveringMove, &GreedyPlayer::wasteMove}) {
        if (auto action = (this->*find)()) {
            m_idleStockClicks = 0;
            return action;
        }
    }
    const int round =
        int(m_table.pile(PileId::stock()).size() + m_table.pile(PileId::waste()).size()) /
            m_table.options.at(DrawCount) +
        2;
    if ((judge.canDraw() || judge.canRedeal()) && m_idleStockClicks++ <= round)
        return Action{Action::Kind::Stock, {}, 0};
    return std::nullopt;
}

std::optional<Action> GreedyPlayer::foundationMove() const {
    const MoveJudge judge(m_table);
    std::vector<PileId> sources{PileId::waste()};
    for (int i = 0; i < Columns; ++i)
        sources.push_back(PileId::tableau(i));
    for (PileId from : sources) {
        if (const auto foundation = judge.foundationFor(from)) {
            const int top = int(m_table.pile(from).size()) - 1;
            return Action{Action::Kind::Move, {from, top, *foundation}, 0};
        }
    }
    return std::nullopt;
}

std::optional<Action> GreedyPlayer::uncoveringMove() const {
    const MoveJudge judge(m_table);
    for (int from = 0; from < Columns; ++from) {
        const auto& cards = m_table.pile(PileId::tableau(from));
        int firstUp = 0;
        while (firstUp < int(cards.size()) && !cards[firstUp].faceUp)
            ++firstUp;
        if (firstUp == 0 || firstUp == int(cards.size()))
            continue; // nothing to uncover
        for (int to = 0; to < Columns; ++to) {
            const Move move{PileId::tableau(from), firstUp, PileId::tableau(to)};
            if (judge.isLegal(move))
                return Action{Action::Kind::Move, move, 0};
        }
    }
    return std::nullopt;
}

std::optional<Action> GreedyPlayer::wasteMove() const {
    const MoveJudge judge(m_table);
    const auto& waste = m_table.pile(PileId::waste());
    if (waste.empty())
        return std::nullopt;
    for (int to = 0; to < Columns; ++to) {
        const Move move{PileId::waste(), int(waste.size()) - 1, PileId::tableau(to)};
        if (judge.isLegal(move))
            return Action{Action::Kind::Move, move, 0};
    }
    return std::nullopt;
}

void GreedyPlayer::apply(Table& table, const Action& action) {
    switch (action.kind) {
    case Action::Kind::Stock:
        if (MoveJudge(table).canDraw())
            draw(table);
        else
            redeal(table);
        break;
    case Action::Kind::TurnUp:
        table.turnUp(PileId::tableau(action.column));
        break;
    case Action::Kind::Move:
        table.move(action.move.from, action.move.index, action.move.to);
        break;
    }
}

GreedyPlayer::Outcome GreedyPlayer::play(Table table, int limit) {
    GreedyPlayer player(table);
    Outcome outcome;
    for (int i = 0; i < limit; ++i) {
        const auto action = player.next();
        if (!action)
            break;
        if (action->kind == Action::Kind::Stock && table.pile(PileId::stock()).empty())
            ++outcome.redeals;
        if (action->kind == Action::Kind::Move &&
            action->move.index + 1 < int(table.pile(action->move.from).size()))
            ++outcome.blockMoves;
        apply(table, *action);
    }
    outcome.won = isWon(table);
    return outcome;
}

} // namespace halvane::klondike::test
