// A FreeCell deal won through the table window's events alone, as a user wins it: the
// deal chosen with "Deal number...", then every move of a solution found by the test's
// own solver made with a drag or a double click on the table. After every step the game
// holds what the solver expects; the last one ends in the win sequence and the question
// after it.

#include "freecellsolver.h"
#include "hostwindow.h"
#include "tabletestbed.h"

#include "engine/cardgeometry.h"
#include "games/kit/game.h"
#include "host/form1.h"
#include "host/gameplugin.h"
#include "host/tablewidget.h"
#include "platform/com/components.h"
#include "platform/gdi/gdi.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace halvane::freecell {
namespace {

using klondike::test::HostWindow;
using klondike::test::ScriptedDialogs;
using klondike::test::TableTestBed;

// The engine's screen and the build's plug-in folder, as the program sets them up.
struct Screen {
    Screen() {
        gdi::SetScreenPixels(QSize(TableTestBed::ScreenWidth, TableTestBed::ScreenHeight));
        com::ClearPluginFolders();
        com::AddPluginFolder(FREECELL_PLUGIN_DIR);
    }
    ~Screen() { gdi::SetScreenPixels(QSize()); }
};

class Player {
public:
    Player(Form1& form, kit::Game& game) : m_form(form), m_game(game) {}

    // Makes `move` as a user would: a double click where that sends the card where the
    // move goes, else a drag from the moving card onto the target.
    void make(const Move& move) {
        const Table& table = m_game.table();
        const int top = int(table.pile(move.from).size()) - 1;
        if (move.index == top && MoveJudge(table).doubleClickTarget(move.from) == move.to) {
            ++doubleClicks;
            doubleClick(grip(move.from, top));
            return;
        }
        ++(move.index == top ? cardDrags : runDrags);
        drag(grip(move.from, move.index), dropPoint(move.to));
    }

    int doubleClicks = 0;
    int cardDrags = 0;
    int runDrags = 0;

private:
    // On the card's strip, or the middle of its face for a top card.
    QPoint grip(PileId pile, int index) const {
        const Table& table = m_game.table();
        const kit::Layout layout = m_game.currentLayout();
        const bool top = index + 1 == int(table.pile(pile).size());
        const int down = top ? dorvik::card::Height / 2 : layout.faceUpStep(table, pile) / 2;
        return layout.cardPosition(table, pile, index) + QPoint(dorvik::card::Width / 2, down);
    }
    QPoint dropPoint(PileId pile) const {
        const Table& table = m_game.table();
        const int top = std::max(0, int(table.pile(pile).size()) - 1);
        return m_game.currentLayout().cardPosition(table, pile, top) +
               QPoint(dorvik::card::Width / 2, dorvik::card::Height / 2);
    }
    void mouse(QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, at, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(m_form.table(), &event);
    }
    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from);
        for (int step = 1; step <= 3; ++step) {
            mouse(QEvent::MouseMove, from + (to - from) * step / 3);
        }
        mouse(QEvent::MouseButtonRelease, to);
    }
    // As X delivers it: press, release, double click, release.
    void doubleClick(QPoint at) {
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
        mouse(QEvent::MouseButtonDblClick, at);
        mouse(QEvent::MouseButtonRelease, at);
    }

    Form1& m_form;
    kit::Game& m_game;
};

TEST(FreeCellScript, ASolvedDealPlayedThroughTheWindowEndsInTheWin) {
    constexpr std::uint32_t Deal = 1;
    const Table dealt = dealTable(standardOrder(Deal));
    const auto solution = test::solve(dealt, 200000);
    ASSERT_TRUE(solution) << "the solver wins deal " << Deal;

    Screen screen;
    HostWindow host(klondike::test::drawTestSheet(), {}, {"FreeCell", "FreeCell"});
    const std::unique_ptr<Form1> form = host.open();
    auto* game = qobject_cast<kit::Game*>(form->game()->object());
    ASSERT_NE(game, nullptr) << "FreeCell is a kit game";
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& dialogs = *scripted;
    game->setDialogs(std::move(scripted));

    dialogs.number = Deal;
    form->menuAction("mnuDealNumber")->trigger();
    ASSERT_EQ(game->table(), dealt) << "Deal number... deals the standard deal";

    Player player(*form, *game);
    long frames = 0;
    for (std::size_t i = 0; i < solution->size(); ++i) {
        const test::SolvedStep& step = (*solution)[i];
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " +
                     step.move.from.describe().toStdString() + " to " +
                     step.move.to.describe().toStdString());
        ASSERT_FALSE(game->isWon()) << "won before the last step";
        frames = gdi::FrameCount(form->hDC());
        player.make(step.move);
        ASSERT_EQ(game->table(), step.after);
    }
    EXPECT_TRUE(game->isWon());
    EXPECT_GT(player.doubleClicks, 0);
    EXPECT_GT(player.cardDrags, 0);
    EXPECT_GT(player.runDrags, 0) << "some moves carry a run";
    EXPECT_GT(gdi::FrameCount(form->hDC()) - frames, 100) << "the win sequence was shown";
    ASSERT_EQ(dialogs.said.size(), 1u);
    EXPECT_TRUE(dialogs.said[0].startsWith(QStringLiteral("Won in %1 moves").arg(solution->size())))
        << dialogs.said[0].toStdString();
    EXPECT_TRUE(dialogs.said[0].endsWith("Deal again?"));
    EXPECT_EQ(game->table(), solution->back().after) << "answered No: the won table stays";
    EXPECT_TRUE(host.messages().isEmpty()) << host.messages().join('|').toStdString();
}

} // namespace
} // namespace halvane::freecell
