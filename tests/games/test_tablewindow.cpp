// The table window with the Klondike plug-in and the real engine: a command given in the
// middle of a drag ends the drag first, so that no copy of the card stays behind on the
// window or in the engine's table copy.

#include "picturecheck.h"
#include "tabletestbed.h"

#include "engine/cardgeometry.h"
#include "engine/class1.h"
#include "games/kit/game.h"
#include "host/dialogs/form2.h"
#include "host/dialogs/form4.h"
#include "host/errorreporter.h"
#include "host/filechooser.h"
#include "host/form1.h"
#include "host/gameplugin.h"
#include "host/tablewidget.h"
#include "platform/gdi/gdi.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace halvane::klondike {
namespace {

using test::samePicture;
using test::TableTestBed;

class Reporter : public ErrorReporter {
public:
    QStringList messages;
    void showError(QWidget*, const QString& summary, const QString& detail) override {
        messages << summary + "\n" + detail;
    }
};

// The colour chooser answers with the test bed's table colour.
class TableColour : public ColorChooser {
public:
    QColor chooseColor(QWidget*, const QColor&) override {
        const std::uint32_t c = TableTestBed::TableColour;
        return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
    }
};

class NoFiles : public FileChooser {
public:
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
};

// Closes the next modal window once it is up.
void closeNextModal() {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [poll] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
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
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("cards"));
    ASSERT_TRUE(bed.sheet().save(home.filePath("cards/Test.bmp"), "BMP"));
    QFile ini(home.filePath("solitaire.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Decks]\r\nTest=Test.bmp\r\n-\r\n[Games]\r\nKlondike=Klondike\r\n-\r\n"
              "[Current Deck]\r\nTest.bmp\r\n[Current Game]\r\nKlondike=Klondike\r\n"
              "[WebSite]\r\n\r\n[Card Back]\r\n 1 \r\n\r\n");
    ini.close();
    qputenv("HALVANE_HOME", home.path().toLocal8Bit());

    Reporter errors;
    TableColour colours;
    NoFiles files;
    Form1 form(std::make_unique<dorvik::Class1>(), errors, colours, files);
    form.table()->setFramePace(std::chrono::milliseconds(0));
    ASSERT_EQ(form.startUp(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (int i = 0; i < 500 && form.firstPaint(); ++i)
        QTest::qWait(10);
    ASSERT_FALSE(form.firstPaint());
    form.mnuBackground_Click();
    form.mnuDeal_Click();
    // The window may be larger than the screen the engine was given; the table is the
    // screen's extent.
    const auto window = [&form] {
        return gdi::SurfaceImage(form.hDC())
            .copy(0, 0, TableTestBed::ScreenWidth, TableTestBed::ScreenHeight);
    };
    // The fresh deal, as the window and the table copy show it.
    const QImage expected = window();
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

    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    EXPECT_EQ(game->table().pile(column).size(), table.pile(column).size());
    EXPECT_TRUE(samePicture(window(), expected)) << "the window";
    EXPECT_TRUE(samePicture(bed.tableCopy(), expected)) << "the engine's table copy";
    qunsetenv("HALVANE_HOME");
}

INSTANTIATE_TEST_SUITE_P(Table, CommandDuringADrag,
                         testing::Values(CommandRow{"DeckChooser", "mnuDeck"},
                                         CommandRow{"GameChooser", "mnuGame"},
                                         CommandRow{"Settings", "mnuSettings"},
                                         CommandRow{"Instructions", "MnuInstructions"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace halvane::klondike
