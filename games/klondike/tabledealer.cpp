#include "games/klondike/tabledealer.h"

#include "engine/_class1.h"

namespace halvane::klondike {

namespace {

constexpr std::int16_t FirstSpareCard = 53; // second pack, backs, extras: never in play
constexpr std::int16_t LastDrawnCard = 113; // the slots the engine throws about on a win

com::Boolean boolean(bool value) {
    return value ? com::True : com::False;
}

std::int16_t pixel(int value) {
    return std::int16_t(value);
}

} // namespace

TableDealer::TableDealer(dorvik::_Class1& engine, KlondikeTable& table, TableLayout layout)
    : m_engine(engine), m_table(table), m_layout(layout) {}

std::vector<Card> TableDealer::shuffledPack() {
    m_engine.CreateDeck(KlondikeTable::PackSize);
    m_engine.Shuffle(KlondikeTable::PackSize);
    std::vector<Card> order;
    order.reserve(KlondikeTable::PackSize);
    for (int i = 1; i <= KlondikeTable::PackSize; ++i) {
        Card card;
        card.number = m_engine.GetDeckOrder(std::int16_t(i)).toInteger("deck order entry");
        card.suit = m_engine.GetCardSuit(card.number).toInteger("card suit");
        card.rank = m_engine.GetCardValue(card.number).toInteger("card value");
        card.colour = m_engine.GetCardColor(card.number).toInteger("card colour");
        order.push_back(card);
    }
    return order;
}

void TableDealer::newGame(std::int32_t hdc, const std::vector<Card>& order, int drawCount) {
    m_table.deal(order, drawCount);

    // Parks every slot and arms the engine's snapshot; the copy taken here already shows
    // the bare window, so nothing of an earlier game can come back in a later restore.
    m_engine.SetDefaultValues();
    m_engine.SetOffset(TableLayout::FaceUpOffset);
    m_engine.TakeScreenShot(hdc);
    for (std::int16_t card = FirstSpareCard; card <= LastDrawnCard; ++card)
        m_engine.SetCardDisabled(card, com::True);

    dealMarkers(hdc);
    for (int row = 0; row < KlondikeTable::Columns; ++row) {
        for (int column = row; column < KlondikeTable::Columns; ++column) {
            const PileId pile = PileId::tableau(column);
            dealAt(hdc, m_table.pile(pile)[row], m_layout.cardPosition(m_table, pile, row));
        }
    }
    for (const Card& card : m_table.pile(PileId::stock()))
        dealAt(hdc, card, m_layout.origin(PileId::stock()));
    updateFlags();
}

void TableDealer::dealMarkers(std::int32_t hdc) {
    const QPoint stock = m_layout.origin(PileId::stock());
    m_engine.DealSymbol(hdc, StockMarker, RedealSymbol, pixel(stock.x()), pixel(stock.y()));
    for (int i = 0; i < KlondikeTable::Foundations; ++i) {
        const QPoint place = m_layout.origin(PileId::foundation(i));
        m_engine.DealSymbol(hdc, std::int16_t(FirstFoundationMarker + i), OutlineSymbol,
                            pixel(place.x()), pixel(place.y()));
    }
    for (int i = 0; i < KlondikeTable::Columns; ++i) {
        const QPoint place = m_layout.origin(PileId::tableau(i));
        m_engine.DealSymbol(hdc, std::int16_t(FirstColumnMarker + i), OutlineSymbol,
                            pixel(place.x()), pixel(place.y()));
    }
    m_stockSymbol = RedealSymbol;
}

void TableDealer::dealAt(std::int32_t hdc, const Card& card, QPoint place) {
    m_engine.SetCardStatus(card.number, boolean(card.faceUp));
    m_engine.DealCard(hdc, card.number, pixel(place.x()), pixel(place.y()));
}

void TableDealer::drawOrRedeal(std::int32_t hdc) {
    const MoveJudge judge(m_table);
    const PileId waste = PileId::waste();
    if (judge.canDraw()) {
        // The fanned cards of the last draw are squared up under the new ones: lift
        // them top first, so that each restores what lay under it, then deal them again.
        const std::vector<Card> before = m_table.pile(waste);
        const int count = int(before.size());
        const int firstOffPlace = std::max(0, count - m_table.wasteFan() + 1);
        for (int i = count - 1; i >= firstOffPlace; --i)
            m_engine.RemoveCard(hdc, before[i].number);
        const std::vector<Card> drawn = m_table.draw();
        for (int i = firstOffPlace; i < count; ++i)
            dealAt(hdc, before[i], m_layout.cardPosition(m_table, waste, i));
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            m_engine.RemoveCard(hdc, drawn[i].number);
            dealAt(hdc, drawn[i], m_layout.cardPosition(m_table, waste, count + int(i)));
        }
    } else if (judge.canRedeal()) {
        const std::vector<Card>& cards = m_table.pile(waste);
        for (auto it = cards.rbegin(); it != cards.rend(); ++it)
            m_engine.RemoveCard(hdc, it->number);
        m_table.redeal();
        for (const Card& card : m_table.pile(PileId::stock()))
            dealAt(hdc, card, m_layout.origin(PileId::stock()));
    }
    updateFlags();
    updateStockMarker(hdc);
}

void TableDealer::turnUp(std::int32_t hdc, int column) {
    const PileId pile = PileId::tableau(column);
    m_table.turnUp(column);
    const int top = int(m_table.pile(pile).size()) - 1;
    const Card& card = m_table.pile(pile)[top];
    const QPoint place = m_layout.cardPosition(m_table, pile, top);
    m_engine.SetCardStatus(card.number, com::True);
    // Drawn over itself, not dealt: dealing would save its own back as its background.
    m_engine.DrawCard(hdc, card.number, pixel(place.x()), pixel(place.y()));
    updateFlags();
}

void TableDealer::slideCard(std::int32_t hdc, const Move& move) {
    const std::int16_t card = m_table.pile(move.from).at(move.index).number;
    const QPoint target =
        m_layout.cardPosition(m_table, move.to, int(m_table.pile(move.to).size()));
    // Lifted out of the table copy first, so that the slide's frames do not drag a
    // picture of the card along from where it starts.
    m_engine.RemoveCard(hdc, card);
    m_table.move(move.from, move.index, move.to);
    m_engine.ReturnDrag(hdc, card, pixel(target.x()), pixel(target.y()));
    updateFlags();
    updateStockMarker(hdc);
}

void TableDealer::returnDropped(std::int32_t hdc, std::int16_t card, QPoint home) {
    m_engine.RemoveCard(hdc, card);
    m_engine.ReturnDrag(hdc, card, pixel(home.x()), pixel(home.y()));
}

void TableDealer::returnLifted(std::int32_t hdc, const std::vector<std::int16_t>& cards,
                               QPoint home) {
    if (cards.empty())
        return;
    if (cards.size() == 1) {
        m_engine.ReturnDrag(hdc, cards.front(), pixel(home.x()), pixel(home.y()));
        return;
    }
    std::vector<com::Variant> list;
    for (std::int16_t card : cards)
        list.push_back(com::Variant::fromInteger(card));
    m_engine.ReturnBlockDrag(hdc, com::Variant::fromArray(std::move(list)),
                             std::int16_t(cards.size()), pixel(home.x()), pixel(home.y()));
}

void TableDealer::landBlock(std::int32_t hdc, const Move& move) {
    const int base = int(m_table.pile(move.to).size());
    m_table.move(move.from, move.index, move.to);
    // The block is on the window only: restore the window, then deal every card at its
    // place bottom first, so that each saves the true background under it.
    m_engine.ReDraw(hdc);
    const std::vector<Card>& cards = m_table.pile(move.to);
    for (int i = base; i < int(cards.size()); ++i)
        dealAt(hdc, cards[i], m_layout.cardPosition(m_table, move.to, i));
    updateFlags();
    updateStockMarker(hdc);
}

void TableDealer::disableAll() {
    for (std::int16_t card = 1; card <= LastDrawnCard; ++card)
        m_engine.SetCardDisabled(card, com::True);
}

void TableDealer::updateFlags() {
    for (PileId pile : KlondikeTable::allPiles()) {
        const std::vector<Card>& cards = m_table.pile(pile);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const Card& card = cards[i];
            const bool top = i + 1 == cards.size();
            const bool pickable = top || (pile.kind == PileKind::Tableau && card.faceUp);
            m_engine.SetCardStatus(card.number, boolean(card.faceUp));
            m_engine.SetCardIsBlocked(card.number, boolean(!top));
            m_engine.SetCardDisabled(card.number, boolean(!pickable));
        }
    }
}

void TableDealer::updateStockMarker(std::int32_t hdc) {
    if (!m_table.pile(PileId::stock()).empty())
        return;
    const std::int16_t symbol = m_table.pile(PileId::waste()).empty() ? NoMoreSymbol : RedealSymbol;
    if (symbol == m_stockSymbol)
        return;
    const QPoint stock = m_layout.origin(PileId::stock());
    m_engine.DealSymbol(hdc, StockMarker, symbol, pixel(stock.x()), pixel(stock.y()));
    m_stockSymbol = symbol;
}

} // namespace halvane::klondike
