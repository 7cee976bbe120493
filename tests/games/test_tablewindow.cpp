// The table window with the Klondike plug-in and the real engine: a command given in the
// middle of a drag ends the drag first, so that no copy of the card stays behind on the
// window or in the engine's table copy.

#include "hostwindow.h"
#include "picturecheck.h"
#include "tabletestbed.h"

#include "engine/cardgeometry.h"
#include "games/kit/game.h"
#include "host/dialogs/form2.h"
#include "host/dialogs/form4.h"
#include "host/form1.h"
#include "host/gameplugin.h"
#include "host/tablewidget.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace halvane::klondike {
namespace {

using test::HostWindow;
using test::samePicture;
using test::TableTestBed;

// Closes the next modal window once it is up, looking again every 10 ms. A plain
// function, so that nothing is left behind once it has done its work.
void closeNextModal() {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
        return;
    }
    QTimer::singleShot(10, &closeNextModal);
}

struct CommandRow {
    const char* name;
    const char* menu;
};
void PrintTo(const CommandRow& row, std::ostream* out) {
    *out << row.name;
}

class CommandDuringADrag : public testing::TestWithParam<CommandRow> {};

TEST_P(CommandDuringADrag, LeavesNoCopyOfTheCard) {
    TableTestBed bed; // the engine, the screen size and the Klondike plug-in folder
    HostWindow host(bed.sheet());
    const std::unique_ptr<Form1> window = host.open();
    Form1& form = *window;
    form.mnuBackground_Click();
    form.mnuDeal_Click();
    // The fresh deal, as the window and the table copy show it.
    const QImage expected = HostWindow::picture(form);
    ASSERT_TRUE(samePicture(bed.tableCopy(), expected));
    auto* game = qobject_cast<kit::Game*>(form.game()->object());
    ASSERT_NE(game, nullptr);
    const Table table = game->table();

    const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          held, {});
        QApplication::sendEvent(form.table(), &event);
    };
    // The top card of the fourth column, dragged well below its column, where nothing
    // takes it: it must slide home.
    const PileId column = PileId::tableau(3);
    const QPoint from = game->currentLayout().cardPosition(table, column,
                                                           int(table.pile(column).size()) - 1) +
                        QPoint(dorvik::card::Width / 2, dorvik::card::Height / 2);
    const QPoint to = from + QPoint(0, 300);
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(QEvent::MouseMove, from + QPoint(0, 150), Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::LeftButton);

    const QString menu = QString::fromLatin1(GetParam().menu);
    if (menu == "mnuSettings" || menu == "MnuInstructions")
        closeNextModal();
    form.menuAction(menu)->trigger();
    if (auto* chooser = form.findChild<Form2*>())
        chooser->Command2_Click();
    if (auto* chooser = form.findChild<Form4*>())
        chooser->Command4_Click();
    mouse(QEvent::MouseButtonRelease, to, {});
    form.table()->repaint();

    EXPECT_TRUE(host.messages().isEmpty()) << host.messages().join('|').toStdString();
    EXPECT_EQ(game->table().pile(column).size(), table.pile(column).size());
    EXPECT_TRUE(samePicture(HostWindow::picture(form), expected)) << "the window";
    EXPECT_TRUE(samePicture(bed.tableCopy(), expected)) << "the engine's table copy";
}

INSTANTIATE_TEST_SUITE_P(Table, CommandDuringADrag,
                         testing::Values(CommandRow{"DeckChooser", "mnuDeck"},
                                         CommandRow{"GameChooser", "mnuGame"},
                                         CommandRow{"Settings", "mnuSettings"},
                                         CommandRow{"Instructions", "MnuInstructions"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace halvane::klondike
