// A game of Klondike played only through the table window's events, as a user plays it:
// keys and menu entries, presses and drags on the table. After every step the window and
// the engine's table copy must show exactly what the game's table holds, drawn
// independently by the test bed.

#include "hostwindow.h"
#include "picturecheck.h"
#include "tabletestbed.h"

#include "engine/cardgeometry.h"
#include "games/kit/dealnumber.h"
#include "games/kit/game.h"
#include "games/kit/moves.h"
#include "host/form1.h"
#include "host/gameplugin.h"
#include "host/tablewidget.h"
#include "platform/gdi/gdi.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace halvane::klondike {
namespace {

using test::HostWindow;
using test::samePicture;
using test::ScriptedDialogs;
using test::TableTestBed;

const QPoint Middle(dorvik::card::Width / 2, dorvik::card::Height / 2);

kit::RuleSet klondikeRules() {
    return {
        [](const Table& t, PileId pile, int index) { return MoveJudge(t).canTake(pile, index); },
        [](const Table& t, const Card& card, int count, PileId pile) {
            return MoveJudge(t).canPlace(card, count, pile);
        }};
}

// The first useful move of a column's top card on `table`, if any.
std::optional<Move> columnCardMove(const Table& table) {
    for (const Move& move : kit::usefulMoves(table, klondikeRules())) {
        if (move.from.role == Role::Tableau &&
            move.index + 1 == int(table.pile(move.from).size())) {
            return move;
        }
    }
    return std::nullopt;
}

Table dealt(std::uint32_t number) {
    return dealTable(kit::deals::order(number, PackSize), 1);
}

// The window, its game and what it shows, for one run of the program.
struct Session {
    explicit Session(HostWindow& host) : form(host.open()) {
        // The test bed's pictures are drawn on its table colour.
        form->menuAction("mnuBackground")->trigger();
        game = qobject_cast<kit::Game*>(form->game()->object());
        if (game == nullptr) {
            throw std::runtime_error("the plug-in object is no kit game");
        }
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        game->setDialogs(std::move(scripted));
    }
    QString status() const { return form->statusBar()->findChild<QLabel*>()->text(); }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(form.get(), Qt::Key(key), modifiers);
    }
    void mouse(QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, at, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(form->table(), &event);
    }
    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from);
        for (int step = 1; step <= 3; ++step) {
            mouse(QEvent::MouseMove, from + (to - from) * step / 3);
        }
        mouse(QEvent::MouseButtonRelease, to);
    }
    QPoint topCard(PileId pile) const {
        const Table& table = game->table();
        const int top = std::max(0, int(table.pile(pile).size()) - 1);
        return game->currentLayout().cardPosition(table, pile, top) + Middle;
    }

    std::unique_ptr<Form1> form;
    kit::Game* game = nullptr;
    ScriptedDialogs* dialogs = nullptr;
};

TEST(ScriptedGame, PlaysThroughTheWindowsEvents) {
    TableTestBed bed; // the engine's screen size, the plug-in folder, the pictures
    HostWindow host(bed.sheet(), {{"DrawCount", 1}, {"Autoplay", false}});
    auto session = std::make_unique<Session>(host);
    Session* s = session.get();
    // The window and the engine's table copy both show `table`.
    const auto shows = [&](const Table& table, const char* step) {
        const QImage expected = bed.expectedPicture(table, s->form->table()->tableSize());
        EXPECT_EQ(s->game->table(), table) << step;
        EXPECT_TRUE(samePicture(HostWindow::picture(*s->form), expected)) << step << ": the window";
        EXPECT_TRUE(samePicture(bed.tableCopy(), expected)) << step << ": the table copy";
    };
    const auto statusSays = [&](std::uint32_t deal, int moves) {
        return QStringLiteral("Klondike  Deal %1  Moves %2  ").arg(deal).arg(moves);
    };

    // The first paint shows a fresh deal; F2 deals another one.
    shows(dealt(s->game->currentDeal()), "the first paint");
    const std::uint32_t first = s->game->currentDeal();
    s->key(Qt::Key_F2);
    ASSERT_NE(s->game->currentDeal(), first);
    shows(dealt(s->game->currentDeal()), "F2");
    EXPECT_TRUE(s->status().startsWith(statusSays(s->game->currentDeal(), 0)))
        << s->status().toStdString();

    // "Deal number..." deals the first numbered game that has a move for a column card.
    std::uint32_t number = kit::deals::First;
    while (!columnCardMove(dealt(number))) {
        ++number;
    }
    s->dialogs->number = number;
    s->form->menuAction("mnuDealNumber")->trigger();
    ASSERT_EQ(s->game->currentDeal(), number);
    const Table fresh = dealt(number);
    shows(fresh, "Deal number...");

    // A press on the stock draws one card to the waste.
    s->mouse(QEvent::MouseButtonPress, s->topCard(PileId::stock()));
    s->mouse(QEvent::MouseButtonRelease, s->topCard(PileId::stock()));
    Table drawn = fresh;
    draw(drawn);
    drawn.counters.moves = 1;
    shows(drawn, "the stock click");

    struct Step {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        const Table& table;
    };
    const Step history[] = {
        {"Ctrl+Z takes the draw back", Qt::Key_Z, Qt::ControlModifier, fresh},
        {"Ctrl+Y draws again", Qt::Key_Y, Qt::ControlModifier, drawn},
        {"Ctrl+Z again", Qt::Key_Z, Qt::ControlModifier, fresh},
        {"Ctrl+Shift+Z draws again", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, drawn},
    };
    for (const Step& step : history) {
        s->key(step.key, step.modifiers);
        shows(step.table, step.name);
    }
    s->form->menuAction("mnuUndo")->trigger();
    shows(fresh, "Undo from the menu");
    s->form->menuAction("mnuRedo")->trigger();
    shows(drawn, "Redo from the menu");

    // A column card dragged onto the pile it may go to lands there.
    const std::optional<Move> move = columnCardMove(drawn);
    ASSERT_TRUE(move);
    Table moved = drawn;
    moved.move(move->from, move->index, move->to);
    if (!moved.pile(move->from).empty() && !moved.pile(move->from).back().faceUp) {
        moved.turnUp(move->from);
    }
    moved.counters.moves = 2;
    s->drag(s->topCard(move->from), s->topCard(move->to));
    shows(moved, "the drag");
    EXPECT_TRUE(s->status().startsWith(statusSays(number, 2))) << s->status().toStdString();

    // H shows a move and leaves the table as it was.
    const long frames = gdi::FrameCount(s->form->hDC());
    s->key(Qt::Key_H);
    EXPECT_GT(gdi::FrameCount(s->form->hDC()), frames) << "the hint is shown";
    shows(moved, "the hint");
    EXPECT_TRUE(s->dialogs->said.empty()) << "there are moves left";

    // Exit keeps the game; the next start shows it again, ready to undo.
    s->form->menuAction("mnuExit")->trigger();
    EXPECT_EQ(s->form->exitStatus(), std::optional<int>(0));
    session = std::make_unique<Session>(host);
    s = session.get();
    EXPECT_EQ(s->game->currentDeal(), number);
    shows(moved, "the next start");
    EXPECT_TRUE(s->status().startsWith(statusSays(number, 2))) << s->status().toStdString();
    s->key(Qt::Key_Z, Qt::ControlModifier);
    shows(drawn, "Ctrl+Z after the next start");
    EXPECT_TRUE(host.messages().isEmpty()) << host.messages().join('|').toStdString();
}

} // namespace
} // namespace halvane::klondike
