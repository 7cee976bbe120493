#pragma once
// A table window for the plug-in tests, built the way the host builds its own: a deck
// sheet drawn here (every cell its own colour), a memory device context standing in for
// the window, the real engine set up on it, and the Klondike plug-in created by class id
// from the build's plug-in folder and called by name with Variant arguments.
//
// It also draws what the table must look like from a rules table, independently of the
// engine: the bare table, the markers, then every pile's cards bottom first. The game's
// questions are answered by ScriptedDialogs; its own windows run for real.

#include "games/klondike/klondikerules.h"

#include "games/kit/dialogs.h"
#include "games/kit/game.h"

#include "engine/class1.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace halvane::klondike::test {

// Answers the game's questions as the test sets them and records what was said.
class ScriptedDialogs : public kit::WidgetDialogs {
public:
    void tell(const QString& text) override { said.push_back(text); }
    bool ask(const QString& text) override {
        said.push_back(text);
        return answer;
    }
    bool askToAbandon(const QString& text, bool& dontAskAgain) override {
        said.push_back(text);
        dontAskAgain = tickDontAsk;
        return answer;
    }
    std::optional<std::uint32_t> dealNumber(std::uint32_t, std::uint32_t, std::uint32_t) override {
        return number;
    }
    bool statistics(const QString& text) override {
        said.push_back(text);
        return answer;
    }

    std::vector<QString> said;
    bool answer = false;
    bool tickDontAsk = false;
    std::optional<std::uint32_t> number;
};

class TableTestBed {
public:
    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;
    static constexpr std::uint32_t TableColour = 0x00307020; // 0x00BBGGRR

    // Resets the engine, sets it up on a fresh window, creates and initialises the
    // plug-in object with a temporary table folder whose settings hold `drawCount` and
    // `autoplay`.
    explicit TableTestBed(int drawCount = 1, bool autoplay = false);
    ~TableTestBed();

    std::int32_t hdc() const { return m_window; }
    dorvik::Class1& engine() { return m_engine; }
    QObject* game() const { return m_game.get(); }
    kit::Game& kitGame() const { return *qobject_cast<kit::Game*>(m_game.get()); }
    ScriptedDialogs& dialogs() { return *m_dialogs; }
    QString folder() const { return m_folder.path(); }
    QString settingsPath() const;
    const QImage& sheet() const { return m_sheet; }
    kit::Layout layout() const { return tableLayout(QSize(ScreenWidth, ScreenHeight)); }

    // The host's side of the calls.
    void clearWindow();
    void deal(); // clears the window, then mnuDeal_Click, as the menu does
    void dealNumber(std::uint32_t number); // clears the window, then deals that number
    // Creates and initialises a new plug-in object in place of the current one.
    void recreate();
    void call(const char* operation);
    void mouseDown(QPoint at, short button = 1);
    void mouseMove(QPoint at, short buttons = 1);
    void mouseUp(QPoint at, short button = 1);
    void mouse(const char* operation, short button, float x, float y);
    void doubleClick(QPoint at); // down, up, double click, up, as X delivers it
    void click(QPoint at);
    // Press at `from`, three moves on the way, release at `to`.
    void drag(QPoint from, QPoint to);

    // The window and the engine's table copy (restored onto a scratch surface).
    QImage window() const;
    QImage tableCopy();
    long frames() const;

    // The deal the game made last, worked out from its number alone, as a rules table
    // with `drawCount`.
    Table dealtTable(int drawCount);
    // What the window must show for `table`, laid out for a client area of `area`.
    QImage expectedPicture(const Table& table, QSize area = {ScreenWidth, ScreenHeight}) const;
    // Where to press on card `number` as the engine has it: the middle of its face, or
    // of its visible strip when it is covered.
    QPoint grip(int number);
    // Where to drop on `pile`: the middle of its top card, or of its empty place.
    QPoint dropPoint(const Table& table, PileId pile) const;

    // Fails the current test when an engine card record disagrees with `table`: place,
    // face, IsBlocked and Disabled of every card, and every card out of play disabled.
    void expectEngineMatches(const Table& table);

private:
    QTemporaryDir m_folder;
    QImage m_sheet;
    dorvik::Class1 m_engine;
    std::int32_t m_window = 0;
    std::int32_t m_windowBitmap = 0;
    std::int32_t m_windowOld = 0;
    std::int32_t m_scratch = 0;
    std::int32_t m_scratchBitmap = 0;
    std::int32_t m_scratchOld = 0;
    std::unique_ptr<QObject> m_game;
    ScriptedDialogs* m_dialogs = nullptr; // owned by the game
};

// The test deck sheet: 936 x 485, black gaps, every cell a colour of its own with a
// white frame and a dark corner mark.
QImage drawTestSheet();

} // namespace halvane::klondike::test
