#include "games/klondike/gameplay.h"

#include "games/klondike/instructionsdialog.h"
#include "games/klondike/klondikesettings.h"
#include "games/klondike/movejudge.h"
#include "games/klondike/settingsdialog.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace halvane::klondike {

namespace {

constexpr short LeftButton = 1;

// Pointer positions reach the engine as 16-bit numbers, from which it subtracts the
// grab offsets; this range keeps every result inside 16 bits.
constexpr float PointerLimit = 16000.0f;

std::optional<QPoint> pointerPixel(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    const auto clamp = [](float v) {
        return int(std::lround(std::clamp(v, -PointerLimit, PointerLimit)));
    };
    return QPoint(clamp(x), clamp(y));
}

// The window the game's dialogs belong to: the table window, which is active when the
// host forwards a menu command.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

std::optional<PileId> markerPile(int card) {
    if (card == TableDealer::StockMarker)
        return PileId::stock();
    const int foundation = card - TableDealer::FirstFoundationMarker;
    if (foundation >= 0 && foundation < KlondikeTable::Foundations)
        return PileId::foundation(foundation);
    const int column = card - TableDealer::FirstColumnMarker;
    if (column >= 0 && column < KlondikeTable::Columns)
        return PileId::tableau(column);
    return std::nullopt;
}

} // namespace

GamePlay::GamePlay(QObject* parent) : QObject(parent) {}

GamePlay::~GamePlay() = default;

void GamePlay::InitializeGame() {
    // The host clears the window after this call (or, after a change of game, leaves
    // the old table showing): the first Deal or press sets the table up.
    m_table = KlondikeTable();
    m_dealer.reset();
    m_drag.reset();
    m_lastPress.reset();
    m_state = State::NoGame;
}

void GamePlay::mnuDeal_Click(int hDC) {
    m_drag.reset(); // the host has cleared the window, a lifted card with it
    m_lastPress.reset();
    m_background.remember(hDC);
    deal(hDC);
}

void GamePlay::deal(int hDC) {
    m_state = State::NoGame;
    m_dealer.emplace(m_engine, m_table, TableLayout::forScreen());
    const std::vector<Card> order = m_dealer->shuffledPack();
    m_dealer->newGame(hDC, order, KlondikeSettings().drawCount());
    m_state = State::Playing;
}

void GamePlay::mnuSettings_Click(int hDC) {
    cancelDrag(hDC);
    KlondikeSettings settings;
    SettingsDialog dialog(settings.drawCount(), dialogParent());
    if (dialog.exec() == QDialog::Accepted)
        settings.setDrawCount(dialog.drawCount());
}

void GamePlay::mnuInstructions_Click(int hDC) {
    cancelDrag(hDC);
    InstructionsDialog dialog(dialogParent());
    dialog.exec();
}

void GamePlay::Form_MouseDown(int hDC, short Button, short, float X, float Y) {
    const std::optional<QPoint> point = pointerPixel(X, Y);
    if (Button != LeftButton || !point)
        return;
    if (m_state != State::Playing) {
        // A click starts playing. The window may still show an earlier game; only a
        // Deal command has it cleared by the host.
        m_lastPress.reset();
        if (!m_background.isKnown())
            m_background.remember(hDC);
        m_background.clear(hDC);
        deal(hDC);
        return;
    }
    cancelDrag(hDC); // a release that never arrived
    pressPlaying(hDC, *point, std::clamp(X, -PointerLimit, PointerLimit),
                 std::clamp(Y, -PointerLimit, PointerLimit));
}

void GamePlay::pressPlaying(int hDC, QPoint point, float x, float y) {
    m_lastPress.reset();
    const int picked = m_engine.InitDrag(hDC, x, y).toInteger("picked card");
    const std::optional<KlondikeTable::Place> place =
        picked > 0 ? m_table.find(picked) : std::nullopt;
    const MoveJudge judge(m_table);
    if (!place) {
        if (m_dealer->layout().pileAt(m_table, point) == PileId::stock()) {
            m_lastPress = Press{PileId::stock(), 0};
            m_dealer->drawOrRedeal(hDC);
        }
        return;
    }
    m_lastPress = Press{place->pile, picked};
    const std::vector<Card>& cards = m_table.pile(place->pile);
    if (place->pile.kind == PileKind::Stock) {
        m_dealer->drawOrRedeal(hDC);
    } else if (place->pile.kind == PileKind::Tableau && place->index + 1 == int(cards.size()) &&
               judge.canTurnUp(place->pile.index)) {
        m_dealer->turnUp(hDC, place->pile.index);
    } else if (judge.canTake(place->pile, place->index)) {
        std::vector<std::int16_t> moving;
        for (std::size_t i = std::size_t(place->index); i < cards.size(); ++i)
            moving.push_back(cards[i].number);
        m_drag.emplace(*place, std::move(moving),
                       m_dealer->layout().cardPosition(m_table, place->pile, place->index));
    }
}

void GamePlay::Form_MouseMove(int hDC, short Button, short, float X, float Y) {
    const std::optional<QPoint> point = pointerPixel(X, Y);
    if (!m_drag || !(Button & LeftButton) || !point)
        return;
    m_drag->follow(m_engine, hDC, *point);
}

void GamePlay::Form_MouseUp(int hDC, short Button, short, float X, float Y) {
    if (!m_drag || Button != LeftButton)
        return;
    DragSession drag = std::move(*m_drag);
    m_drag.reset();
    if (!drag.hasMoved())
        return; // a click: nothing was lifted, nothing to put down
    const std::optional<QPoint> point = pointerPixel(X, Y);
    if (!point) {
        m_dealer->returnLifted(hDC, drag.cards(), drag.home());
        return;
    }
    drop(hDC, std::move(drag), *point);
}

void GamePlay::drop(int hDC, DragSession drag, QPoint point) {
    const int card = drag.drop(m_engine, hDC, point);
    const std::optional<PileId> target = dropTarget(drag, card, point);
    const Move move{drag.from().pile, drag.from().index, target.value_or(drag.from().pile)};
    const bool legal = target && MoveJudge(m_table).isLegal(move);
    if (drag.isBlock()) {
        if (legal)
            m_dealer->landBlock(hDC, move);
        else
            m_dealer->returnLifted(hDC, drag.cards(), drag.home());
    } else {
        if (legal)
            m_dealer->slideCard(hDC, move);
        else
            m_dealer->returnDropped(hDC, drag.cards().front(), drag.home());
    }
    if (legal)
        checkWin(hDC);
}

std::optional<PileId> GamePlay::dropTarget(const DragSession& drag, int card, QPoint point) const {
    // The engine names the card under the pointer; its pile is the target. Where it
    // names none (an empty place, a strip of a covered card) or a card of the dragged
    // pile itself, the pile whose area holds the pointer is.
    std::optional<PileId> pile;
    if (const auto place = m_table.find(card))
        pile = place->pile;
    else
        pile = markerPile(card);
    if (pile && *pile != drag.from().pile)
        return pile;
    pile = m_dealer->layout().pileAt(m_table, point);
    if (pile && *pile != drag.from().pile)
        return pile;
    return std::nullopt;
}

void GamePlay::Form_DblClick(int hDC) {
    if (m_state != State::Playing || !m_lastPress)
        return;
    if (m_drag) {
        if (m_drag->hasMoved())
            return;
        m_drag.reset();
    }
    const Press press = *m_lastPress;
    if (press.pile.kind == PileKind::Stock) {
        // The second click of a quick double click on the stock arrives as this event.
        m_dealer->drawOrRedeal(hDC);
        return;
    }
    const std::vector<Card>& cards = m_table.pile(press.pile);
    if (cards.empty() || cards.back().number != press.card)
        return;
    if (const auto foundation = MoveJudge(m_table).foundationFor(press.pile)) {
        m_dealer->slideCard(hDC, Move{press.pile, int(cards.size()) - 1, *foundation});
        checkWin(hDC);
    }
}

void GamePlay::cancelDrag(int hDC) {
    if (!m_drag)
        return;
    const DragSession drag = std::move(*m_drag);
    m_drag.reset();
    if (drag.hasMoved() && m_dealer)
        m_dealer->returnLifted(hDC, drag.cards(), drag.home());
}

void GamePlay::checkWin(int hDC) {
    if (!m_table.isWon())
        return;
    m_state = State::Won;
    m_lastPress.reset();
    m_dealer->disableAll();
    m_engine.WinSequence(hDC);
}

} // namespace halvane::klondike
