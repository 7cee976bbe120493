#include "games/kit/game.h"

#include "games/kit/dealnumber.h"
#include "games/kit/instructionsdialog.h"
#include "games/kit/moves.h"
#include "games/kit/savedgame.h"

#include "platform/gdi/gdi.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>

namespace halvane::kit {

namespace {

constexpr short LeftButton = 1;

// Pointer positions reach the engine as 16-bit numbers, from which it subtracts the
// grab offsets; this range keeps every result inside 16 bits.
constexpr float PointerLimit = 16000.0f;

std::optional<QPoint> pointerPixel(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return std::nullopt;
    }
    const auto clamp = [](float v) {
        return int(std::lround(std::clamp(v, -PointerLimit, PointerLimit)));
    };
    return QPoint(clamp(x), clamp(y));
}

std::int16_t pixel(int value) {
    return std::int16_t(value);
}

} // namespace

Game::Game(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_dialogs(std::make_unique<WidgetDialogs>()),
      m_statistics(std::make_unique<Statistics>(m_statisticsStore)) {}

Game::~Game() = default;

void Game::setDialogs(std::unique_ptr<Dialogs> dialogs) {
    m_dialogs = std::move(dialogs);
}

QString Game::folder() const {
    return QDir(m_installDir).filePath(QStringLiteral("gamedata/") + m_name);
}

void Game::SetInstallDir(const QString& Directory) {
    m_installDir = Directory;
    if (Directory.isEmpty()) {
        m_settings = Store();
        m_statisticsStore = Store();
        m_savedStore = Store();
    } else {
        m_settings = Store(folder() + QStringLiteral("/settings.ini"));
        m_statisticsStore = Store(folder() + QStringLiteral("/statistics.ini"));
        m_savedStore = Store(folder() + QStringLiteral("/savedgame.ini"));
    }
    m_statistics = std::make_unique<Statistics>(m_statisticsStore);
}

void Game::InitializeGame() {
    // The host clears the window after this call (or, after a change of game, leaves the
    // old table showing): RefreshTable, Deal or the first press shows the table.
    m_table = Table();
    m_undo.clear();
    m_redo.clear();
    m_state = State::NoGame;
    m_shown = false;
    m_counted = false;
    m_drag.reset();
    m_lastPress.reset();
    loadSavedGame();
}

void Game::loadSavedGame() {
    if (!m_savedStore.isOnDisk() || !QFile::exists(m_savedStore.path())) {
        return;
    }
    try {
        const Table shape = deal(deals::order(deals::First, packSize()));
        SavedGame saved = SavedGame::fromValues(m_savedStore.values(), m_name, shape);
        m_table = std::move(saved.table);
        m_undo = std::move(saved.undo);
        m_redo = std::move(saved.redo);
        m_deal = saved.deal;
        m_secondsBefore = saved.seconds;
        m_clock.invalidate();
        m_state = State::Playing;
        m_counted = true; // saved only after a move, when it was counted
    } catch (const std::exception& e) {
        const QString path = m_savedStore.path();
        const QString kept = SavedGame::setAside(path);
        m_dialogs->tell(tr("The saved game in %1 could not be read: %2.\n\n"
                           "A new game is dealt; the file is kept as %3.")
                            .arg(QDir::toNativeSeparators(path), QString::fromStdString(e.what()),
                                 QDir::toNativeSeparators(kept)));
    }
}

void Game::SaveGame() {
    if (m_state == State::Playing && m_table.counters.moves > 0 && m_savedStore.isOnDisk()) {
        SavedGame saved{m_name, m_deal, seconds(), m_table, m_undo, m_redo};
        m_savedStore.setValues(saved.toValues());
    } else if (m_state != State::Playing || m_table.counters.moves == 0) {
        m_savedStore.clear();
    }
}

Layout Game::currentLayout() const {
    if (!m_area.isEmpty()) {
        return layout(m_area);
    }
    const QSize twips = gdi::GetScreenTwips();
    return layout(
        QSize(int(std::lround(twips.width() / 15.0)), int(std::lround(twips.height() / 15.0))));
}

void Game::RefreshTable(int hDC, short Width, short Height) {
    m_area = Width > 0 && Height > 0 ? QSize(Width, Height) : QSize();
    m_drag.reset(); // the host has cleared the window, a lifted card with it
    m_lastPress.reset();
    m_background.remember(hDC);
    if (m_state == State::NoGame) {
        startDeal(hDC, deals::random(), TableMirror::Window::Bare);
    } else {
        redraw(hDC, TableMirror::Window::Bare);
    }
}

void Game::mnuDeal_Click(int hDC) {
    m_drag.reset();
    m_lastPress.reset();
    m_background.remember(hDC);
    if (!mayAbandon()) {
        redraw(hDC); // the host has cleared the window
        return;
    }
    startDeal(hDC, deals::random());
}

void Game::dealNumber(int hDC, std::uint32_t number) {
    if (!m_background.isKnown()) {
        m_background.remember(hDC);
    }
    startDeal(hDC, number);
}

bool Game::mayAbandon() {
    if (m_state != State::Playing || m_table.counters.moves == 0) {
        return true;
    }
    if (m_settings.value(QStringLiteral("AskBeforeNewGame"), true).toBool()) {
        bool dontAskAgain = false;
        if (!m_dialogs->askToAbandon(tr("Give up the game in progress?"), dontAskAgain)) {
            return false;
        }
        if (dontAskAgain) {
            m_settings.setValue(QStringLiteral("AskBeforeNewGame"), false);
        }
    }
    abandon();
    return true;
}

void Game::abandon() {
    if (m_counted && m_state == State::Playing) {
        m_statistics->recordLoss();
    }
    m_counted = false;
}

void Game::startDeal(int hDC, std::uint32_t number, TableMirror::Window window) {
    abandon();
    m_deal = number;
    m_table = deal(packOrder(number));
    m_undo.clear();
    m_redo.clear();
    m_state = State::Playing;
    m_secondsBefore = 0;
    m_clock.invalidate();
    m_hint = 0;
    m_drag.reset();
    m_lastPress.reset();
    m_savedStore.clear();
    redraw(hDC, window);
}

void Game::redraw(int hDC, TableMirror::Window window) {
    if (!m_background.isKnown()) {
        m_background.remember(hDC);
    }
    const Layout places = currentLayout();
    const TableMirror::Look look{
        places, [&](PileId pile) { return marker(m_table, pile, places); },
        [&](PileId pile, int index) { return canTake(m_table, pile, index); },
        [&](PileId pile, int index) { return isCovered(m_table, pile, index); }};
    m_mirror.redraw(hDC, m_background, m_table, look, window);
    if (m_state == State::Won) {
        m_mirror.disableAll();
    }
    m_shown = true;
}

void Game::mnuSettings_Click(int hDC) {
    cancelDrag(hDC);
    SettingsDialog dialog(settingChoices(), autoplays(), m_settings,
                          QApplication::activeWindow());
    if (m_dialogs->run(dialog)) {
        dialog.apply(m_settings);
    }
}

QVariant Game::setting(const QString& key) const {
    for (const SettingChoice& choice : settingChoices()) {
        if (choice.key == key) {
            return SettingsDialog::valueOf(choice, m_settings);
        }
    }
    return m_settings.value(key);
}

void Game::mnuInstructions_Click(int hDC) {
    cancelDrag(hDC);
    InstructionsDialog dialog(instructions(), QApplication::activeWindow());
    m_dialogs->run(dialog);
}

void Game::Form_MouseDown(int hDC, short Button, short, float X, float Y) {
    const std::optional<QPoint> point = pointerPixel(X, Y);
    if (Button != LeftButton || !point) {
        return;
    }
    if (m_state == State::Playing && !m_shown) {
        redraw(hDC); // a resumed game on a host that does not ask for a refresh
        return;
    }
    if (m_state != State::Playing) {
        // A click starts playing; the window may still show an earlier game.
        m_lastPress.reset();
        startDeal(hDC, deals::random());
        return;
    }
    cancelDrag(hDC); // a release that never arrived
    pressPlaying(hDC, *point, std::clamp(X, -PointerLimit, PointerLimit),
                 std::clamp(Y, -PointerLimit, PointerLimit));
}

void Game::pressPlaying(int hDC, QPoint point, float x, float y) {
    m_lastPress.reset();
    const int picked = m_engine.InitDrag(hDC, x, y).toInteger("picked card");
    const std::optional<Table::Place> place = picked > 0 ? m_table.find(picked) : std::nullopt;
    const Layout places = currentLayout();
    if (!place) {
        const std::optional<PileId> pile = places.pileAt(m_table, point);
        if (pile && pile->role == Role::Stock) {
            m_lastPress = Press{*pile, 0};
            stockAction(hDC);
        }
        return;
    }
    m_lastPress = Press{place->pile, picked};
    if (place->pile.role == Role::Stock) {
        stockAction(hDC);
        return;
    }
    if (!canTake(m_table, place->pile, place->index)) {
        return;
    }
    const std::vector<Card>& cards = m_table.pile(place->pile);
    std::vector<std::int16_t> moving;
    for (std::size_t i = std::size_t(place->index); i < cards.size(); ++i) {
        moving.push_back(cards[i].number);
    }
    // The engine spaces a dragged block by its one offset: the pile's own spacing.
    m_engine.SetOffset(pixel(places.faceUpStep(m_table, place->pile)));
    m_drag.emplace(*place, std::move(moving),
                   places.cardPosition(m_table, place->pile, place->index));
}

void Game::stockAction(int hDC) {
    Table before = m_table;
    if (stockClick(m_table)) {
        finishAction(hDC, std::move(before));
    }
}

void Game::Form_MouseMove(int hDC, short Button, short, float X, float Y) {
    const std::optional<QPoint> point = pointerPixel(X, Y);
    if (!m_drag || !(Button & LeftButton) || !point) {
        return;
    }
    m_drag->follow(m_engine, hDC, *point);
}

void Game::Form_MouseUp(int hDC, short Button, short, float X, float Y) {
    if (!m_drag || Button != LeftButton) {
        return;
    }
    DragSession drag = std::move(*m_drag);
    m_drag.reset();
    if (!drag.hasMoved()) {
        return; // a click: nothing was lifted, nothing to put down
    }
    const std::optional<QPoint> point = pointerPixel(X, Y);
    if (!point) {
        drag.sendHome(m_engine, hDC, false);
        return;
    }
    drop(hDC, std::move(drag), *point);
}

RuleSet Game::ruleSet() const {
    return {[this](const Table& t, PileId pile, int index) { return canTake(t, pile, index); },
            [this](const Table& t, const Card& card, int count, PileId pile) {
                return canPlace(t, card, count, pile);
            }};
}

bool Game::isLegal(const Move& move) const {
    return kit::isLegal(m_table, ruleSet(), move);
}

void Game::drop(int hDC, DragSession drag, QPoint point) {
    const int card = drag.drop(m_engine, hDC, point);
    const std::optional<PileId> target = dropTarget(drag, card, point);
    const Move move{drag.from().pile, drag.from().index, target.value_or(drag.from().pile)};
    if (!target || !isLegal(move)) {
        drag.sendHome(m_engine, hDC, true);
        return;
    }
    Table before = m_table;
    if (!drag.isBlock()) {
        // EndDrag dealt the card where it fell: lift it and slide the last pixels.
        Table after = m_table;
        makeMove(after, move);
        const QPoint to =
            currentLayout().cardPosition(after, move.to, int(after.pile(move.to).size()) - 1);
        m_engine.RemoveCard(hDC, drag.cards().front());
        m_engine.ReturnDrag(hDC, drag.cards().front(), pixel(to.x()), pixel(to.y()));
    }
    // A block lies on the window only; the redraw puts it down card by card.
    makeMove(m_table, move);
    finishAction(hDC, std::move(before));
}

std::optional<PileId> Game::dropTarget(const DragSession& drag, int card, QPoint point) const {
    // The engine names the card under the pointer; its pile is the target. Where it
    // names none (an empty place, a strip of a covered card) or a card of the dragged
    // pile itself, the pile whose area holds the pointer is.
    std::optional<PileId> pile;
    if (const auto place = m_table.find(card)) {
        pile = place->pile;
    } else {
        pile = TableMirror::markerPile(m_table, card);
    }
    if (pile && *pile != drag.from().pile) {
        return pile;
    }
    pile = currentLayout().pileAt(m_table, point);
    if (pile && *pile != drag.from().pile) {
        return pile;
    }
    return std::nullopt;
}

void Game::Form_DblClick(int hDC) {
    if (m_state != State::Playing || !m_lastPress) {
        return;
    }
    if (m_drag) {
        if (m_drag->hasMoved()) {
            return;
        }
        m_drag.reset();
    }
    const Press press = *m_lastPress;
    if (press.pile.role == Role::Stock) {
        // The second click of a quick double click on the stock arrives as this event.
        stockAction(hDC);
        return;
    }
    const std::vector<Card>& cards = m_table.pile(press.pile);
    if (cards.empty() || cards.back().number != press.card) {
        return;
    }
    if (const auto target = doubleClickTarget(m_table, press.pile)) {
        Table before = m_table;
        slideMove(hDC, Move{press.pile, int(cards.size()) - 1, *target});
        finishAction(hDC, std::move(before));
    }
}

void Game::cancelDrag(int hDC) {
    if (!m_drag) {
        return;
    }
    const DragSession drag = std::move(*m_drag);
    m_drag.reset();
    if (drag.hasMoved()) {
        drag.sendHome(m_engine, hDC, false);
    }
}

bool Game::Form_KeyDown(int hDC, int KeyCode, short) {
    if (KeyCode == Qt::Key_Escape) {
        cancelDrag(hDC);
    }
    return false;
}

void Game::makeMove(Table& table, const Move& move) const {
    const int points = scores(table) ? moveScore(table, move) : 0;
    applyMove(table, move);
    table.counters.score = std::max(0, table.counters.score + points);
}

void Game::slideMove(int hDC, const Move& move) {
    Table after = m_table;
    makeMove(after, move);
    const std::int16_t card = m_table.pile(move.from).at(std::size_t(move.index)).number;
    const QPoint to =
        currentLayout().cardPosition(after, move.to, int(after.pile(move.to).size()) - 1);
    // Lifted out of the table copy first, so that the slide's frames do not drag a
    // picture of the card along from where it starts.
    m_engine.RemoveCard(hDC, card);
    m_engine.ReturnDrag(hDC, card, pixel(to.x()), pixel(to.y()));
    m_table = std::move(after);
}

bool Game::turnCards(Table& table) const {
    bool turned = false;
    for (PileId id : table.pileIds()) {
        const auto& cards = table.pile(id);
        if (turnsTopCard(id) && !cards.empty() && !cards.back().faceUp) {
            table.turnUp(id);
            if (scores(table)) {
                table.counters.score = std::max(0, table.counters.score + turnScore());
            }
            turned = true;
        }
    }
    return turned;
}

void Game::finishAction(int hDC, Table before) {
    settle(m_table);
    turnCards(m_table);
    ++m_table.counters.moves;
    m_undo.push_back(std::move(before));
    m_redo.clear();
    m_hint = 0;
    if (!m_counted) {
        m_statistics->recordPlayed();
        m_counted = true;
    }
    if (!m_clock.isValid()) {
        m_clock.start();
    }
    redraw(hDC);
    while (const std::optional<Move> move = nextAutoplayMove()) {
        slideMove(hDC, *move);
        settle(m_table);
        turnCards(m_table);
        redraw(hDC);
    }
    if (isWon(m_table)) {
        win(hDC);
    }
}

std::optional<Move> Game::nextAutoplayMove() const {
    if (!autoplays() || !m_settings.value(QStringLiteral("Autoplay"), true).toBool()) {
        return std::nullopt;
    }
    return autoplayMove(m_table);
}

void Game::win(int hDC) {
    m_secondsBefore = seconds();
    m_clock.invalidate();
    m_state = State::Won;
    m_lastPress.reset();
    m_statistics->recordWin(m_secondsBefore, m_table.counters.moves);
    m_counted = false;
    m_savedStore.clear();
    m_mirror.disableAll();
    m_engine.WinSequence(hDC);
    if (m_dialogs->ask(tr("Won in %1 moves, %2.\n\nDeal again?")
                           .arg(m_table.counters.moves)
                           .arg(clockText(m_secondsBefore)))) {
        startDeal(hDC, deals::random());
    }
}

int Game::seconds() const {
    return m_secondsBefore + (m_clock.isValid() ? int(m_clock.elapsed() / 1000) : 0);
}

bool Game::mnuUndo_Click(int hDC) {
    return stepThroughHistory(hDC, m_undo, m_redo);
}

bool Game::mnuRedo_Click(int hDC) {
    return stepThroughHistory(hDC, m_redo, m_undo);
}

bool Game::stepThroughHistory(int hDC, std::vector<Table>& from, std::vector<Table>& to) {
    // A won game is finished: nothing to take back or do again.
    if (m_state != State::Playing || from.empty()) {
        return false;
    }
    cancelDrag(hDC);
    to.push_back(std::move(m_table));
    m_table = std::move(from.back());
    from.pop_back();
    m_hint = 0;
    redraw(hDC);
    return false;
}

bool Game::mnuRestart_Click(int hDC) {
    if (m_state == State::NoGame) {
        return false;
    }
    cancelDrag(hDC);
    if (mayAbandon()) {
        startDeal(hDC, m_deal);
    }
    return false;
}

bool Game::mnuDealNumber_Click(int hDC) {
    cancelDrag(hDC);
    const auto number =
        m_dialogs->dealNumber(m_deal == 0 ? deals::First : m_deal, deals::First, deals::Last);
    if (number && *number >= deals::First && *number <= deals::Last && mayAbandon()) {
        dealNumber(hDC, *number);
    }
    return false;
}

bool Game::mnuStatistics_Click(int hDC) {
    cancelDrag(hDC);
    if (m_dialogs->statistics(m_statistics->describe(m_name))) {
        m_statistics->reset();
    }
    return false;
}

QString Game::StatusText() {
    if (m_state == State::NoGame) {
        return m_name;
    }
    QString text = QStringLiteral("%1  Deal %2  Moves %3  %4")
                       .arg(m_name)
                       .arg(m_deal)
                       .arg(m_table.counters.moves)
                       .arg(clockText(seconds()));
    if (scores(m_table)) {
        text += QStringLiteral("  Score %1").arg(m_table.counters.score);
    }
    if (m_state == State::Won) {
        text += tr("  Won");
    }
    return text;
}

bool Game::mnuHint_Click(int hDC) {
    if (m_state != State::Playing) {
        return false;
    }
    cancelDrag(hDC);
    const std::vector<Move> moves = hints();
    if (moves.empty()) {
        m_dialogs->tell(tr("No moves left."));
        return false;
    }
    showHint(hDC, moves[std::size_t(m_hint++) % moves.size()]);
    return false;
}

std::vector<Move> Game::hints() const {
    std::vector<Move> moves = usefulMoves(m_table, ruleSet());
    Table drawn = m_table;
    if (m_table.has(PileId::stock()) && stockClick(drawn)) {
        moves.push_back(Move{PileId::stock(), -1, PileId::stock()}); // the stock itself
    }
    return moves;
}

void Game::showHint(int hDC, const Move& move) {
    const Layout places = currentLayout();
    if (move.index < 0) {
        m_mirror.flashBack(hDC, places.origin(move.from));
        return;
    }
    Table after = m_table;
    makeMove(after, move);
    // The moving cards where they land on the target; a move that takes the target's
    // cards away too (a pair leaving the table) shows them on its empty place.
    const auto& moving = m_table.pile(move.from);
    const int base = int(m_table.pile(move.to).size());
    std::vector<std::pair<std::int16_t, QPoint>> shown;
    for (int i = move.index; i < int(moving.size()); ++i) {
        shown.emplace_back(moving[std::size_t(i)].number,
                           places.cardPosition(after, move.to, base + i - move.index));
    }
    m_mirror.flashCards(hDC, shown);
}

std::vector<Card> Game::packOrder(std::uint32_t number) const {
    return deals::order(number, packSize());
}

void Game::applyMove(Table& table, const Move& move) const {
    table.move(move.from, move.index, move.to);
}

bool Game::settle(Table&) const {
    return false;
}

std::optional<Move> Game::autoplayMove(const Table& table) const {
    return safeFoundationMove(table, ruleSet());
}

std::optional<PileId> Game::doubleClickTarget(const Table& table, PileId from) const {
    return foundationFor(table, ruleSet(), from);
}

bool Game::isWon(const Table& table) const {
    return allOnFoundations(table);
}

short Game::marker(const Table&, PileId pile, const Layout& layout) const {
    return layout.look(pile).marker;
}

bool Game::scores(const Table&) const {
    return false;
}

int Game::moveScore(const Table&, const Move&) const {
    return 0;
}

} // namespace halvane::kit
