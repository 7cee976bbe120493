// The game's Settings and Instructions dialogs, opened through the plug-in's operations.

#include "picturecheck.h"
#include "tabletestbed.h"

#include "platform/com/components.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace halvane::klondike {
namespace {

using test::samePicture;
using test::TableTestBed;

// Runs `answer` on the modal dialog that `open` shows, once it is up.
void answerDialog(const std::function<void()>& open, const std::function<void(QDialog&)>& answer) {
    bool answered = false;
    std::function<void()> poll;
    poll = [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            answered = true;
            answer(*dialog);
            if (dialog->isVisible())
                dialog->reject();
            return;
        }
        QTimer::singleShot(10, poll);
    };
    QTimer::singleShot(0, poll);
    open();
    EXPECT_TRUE(answered) << "no modal dialog came up";
}

int storedDrawCount(const TableTestBed& bed) {
    return QSettings(bed.settingsPath(), QSettings::IniFormat).value("DrawCount").toInt();
}

TEST(KlondikeDialogs, SettingsKeepTheChoiceOnlyOnOk) {
    struct Row {
        const char* name;
        int stored;
        const char* choose; // object name of the option to click
        bool ok;
        int expected;
    };
    const Row rows[] = {
        {"one to three, OK", 1, "drawThree", true, 3},
        {"one to three, Cancel", 1, "drawThree", false, 1},
        {"three to one, OK", 3, "drawOne", true, 1},
        {"three kept, OK", 3, "drawThree", true, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TableTestBed bed(row.stored);
        bed.deal();
        const QImage before = bed.window();
        answerDialog([&] { bed.call("mnuSettings_Click"); },
                     [&](QDialog& dialog) {
                         EXPECT_EQ(dialog.windowTitle(), "Settings");
                         auto* shown = dialog.findChild<QRadioButton*>(row.stored == 3 ? "drawThree"
                                                                                       : "drawOne");
                         ASSERT_NE(shown, nullptr);
                         EXPECT_TRUE(shown->isChecked()) << "opens on the stored choice";
                         auto* option = dialog.findChild<QRadioButton*>(row.choose);
                         ASSERT_NE(option, nullptr);
                         option->click();
                         row.ok ? dialog.accept() : dialog.reject();
                     });
        EXPECT_EQ(storedDrawCount(bed), row.expected);
        EXPECT_TRUE(samePicture(bed.window(), before)) << "the dialog changed the table";

        // The game under way keeps its count; the next deal takes the new one.
        const Table table = bed.dealtTable(row.stored);
        const QPoint stock = bed.dropPoint(table, PileId::stock());
        bed.click(stock);
        const auto waste = [&bed] {
            int count = 0;
            for (std::int16_t n = 1; n <= 52; ++n)
                count += bed.engine().GetCardY(n).toInteger() == places::TopMargin &&
                         bed.engine().GetCardX(n).toInteger() >=
                             bed.layout().origin(PileId::waste()).x() &&
                         bed.engine().GetCardX(n).toInteger() <
                             bed.layout().origin(PileId::foundation(0)).x();
            return count;
        };
        EXPECT_EQ(waste(), row.stored);
        bed.dialogs().answer = true; // yes, give up the game under way
        bed.deal();
        bed.click(stock);
        EXPECT_EQ(waste(), row.expected);
    }
}

TEST(KlondikeDialogs, SettingsOfferRedealsScoringAndAutoplay) {
    TableTestBed bed(1, true);
    bed.deal();
    answerDialog([&] { bed.call("mnuSettings_Click"); },
                 [&](QDialog& dialog) {
                     auto* autoplay = dialog.findChild<QCheckBox*>("autoplay");
                     ASSERT_NE(autoplay, nullptr);
                     EXPECT_TRUE(autoplay->isChecked());
                     autoplay->click();
                     for (const char* name : {"redealsOne", "scoringStandard"}) {
                         auto* option = dialog.findChild<QRadioButton*>(name);
                         ASSERT_NE(option, nullptr) << name;
                         option->click();
                     }
                     dialog.accept();
                 });
    const QSettings stored(bed.settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Redeals").toInt(), 1);
    EXPECT_EQ(stored.value("Scoring").toString(), "Standard");
    EXPECT_FALSE(stored.value("Autoplay").toBool());
    bed.deal();
    EXPECT_EQ(bed.kitGame().table().options, (std::vector<int>{1, 1, 1}));
    EXPECT_TRUE(com::CallByName(bed.game(), "StatusText").toString("status").endsWith("Score 0"));
}

TEST(KlondikeDialogs, InstructionsExplainRulesAndMouse) {
    TableTestBed bed;
    bed.deal();
    const QImage before = bed.window();
    answerDialog([&] { bed.call("mnuInstructions_Click"); },
                 [&](QDialog& dialog) {
                     EXPECT_EQ(dialog.windowTitle(), "Instructions");
                     auto* text = dialog.findChild<QTextBrowser*>();
                     ASSERT_NE(text, nullptr);
                     EXPECT_TRUE(text->isReadOnly());
                     const QString plain = text->toPlainText();
                     for (const char* word : {"foundation", "alternating colours", "king",
                                              "Double-click", "Drag", "stock", "Settings"})
                         EXPECT_TRUE(plain.contains(word, Qt::CaseInsensitive)) << word;
                     // Too long for a small window: it must scroll.
                     dialog.resize(300, 200);
                     QApplication::processEvents();
                     EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
                     dialog.reject();
                 });
    EXPECT_TRUE(samePicture(bed.window(), before));
}

TEST(KlondikeDialogs, SettingsDuringADragPutTheCardBackFirst) {
    TableTestBed bed;
    bed.deal();
    const Table table = bed.dealtTable(1);
    const QImage before = bed.window();
    const QPoint from = bed.dropPoint(table, PileId::tableau(3));
    bed.mouseDown(from);
    bed.mouseMove(from + QPoint(200, 150));
    answerDialog([&] { bed.call("mnuSettings_Click"); }, [](QDialog& dialog) { dialog.reject(); });
    bed.mouseUp(from + QPoint(200, 150)); // the release after the dialog finds no drag
    bed.expectEngineMatches(table);
    EXPECT_TRUE(samePicture(bed.window(), before));
    EXPECT_TRUE(samePicture(bed.tableCopy(), before));
}

} // namespace
} // namespace halvane::klondike
