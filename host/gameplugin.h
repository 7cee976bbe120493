#pragma once
// The current game: one plug-in object of class id plug-in name + ".GamePlay", called
// late-bound by operation name. The host never looks at what the game does; it forwards
// the eight operations every game offers, and the optional ones a game may add beside
// them. A game without an optional operation is simply not asked: it plays as if the
// operation did not exist.

#include "platform/com/variant.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QObject;

namespace halvane {

class GamePlugin {
public:
    // Creates a new object of class id `plugin` + ".GamePlay" from the plug-in folders
    // (com::AddPluginFolder). Throws std::runtime_error naming the class id when no
    // plug-in serves it or it cannot be created (also for an empty `plugin`).
    explicit GamePlugin(const QString& plugin);
    ~GamePlugin();

    GamePlugin(const GamePlugin&) = delete;
    GamePlugin& operator=(const GamePlugin&) = delete;

    const QString& classId() const { return m_classId; }
    // The plug-in's object, for tests that look into a game they know.
    QObject* object() const { return m_object.get(); }

    // The eight operations. `hDC` is the table window's device context; Button 1 left,
    // 2 right, 4 middle (for a move, the buttons held); Shift 1 Shift, 2 Ctrl, 4 Alt;
    // X and Y in pixels of the table. Each throws std::runtime_error naming the class id
    // and the operation when the object lacks it or the operation itself fails.
    void InitializeGame();
    void mnuDeal_Click(std::int32_t hDC);
    void mnuSettings_Click(std::int32_t hDC);
    void mnuInstructions_Click(std::int32_t hDC);
    void Form_MouseDown(std::int32_t hDC, std::int16_t Button, std::int16_t Shift, float X,
                        float Y);
    void Form_MouseMove(std::int32_t hDC, std::int16_t Button, std::int16_t Shift, float X,
                        float Y);
    void Form_MouseUp(std::int32_t hDC, std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Form_DblClick(std::int32_t hDC);

    // The optional operations, found by name like the eight. Each call below asks the
    // game only when it offers the operation, and throws like the eight when the game
    // fails in it. A result "refresh" is the game's Boolean True: the host clears the
    // window and calls RefreshTable.
    bool offers(const char* operation) const;

    // The table folder, told before InitializeGame: the game keeps its own files there.
    void SetInstallDir(const QString& Directory);
    // The host has just cleared the window; the game deals its whole table again for a
    // client area of Width x Height pixels. False when the game has no such operation.
    bool RefreshTable(std::int32_t hDC, std::int16_t Width, std::int16_t Height);
    // mnuUndo_Click, mnuRedo_Click, mnuHint_Click, mnuRestart_Click,
    // mnuDealNumber_Click or mnuStatistics_Click, after the host took the engine's
    // snapshot. True: refresh.
    bool callMenuOperation(const char* operation, std::int32_t hDC);
    // A key pressed on the table: KeyCode a Qt::Key value, Shift as for the mouse.
    // True: refresh.
    bool Form_KeyDown(std::int32_t hDC, int KeyCode, std::int16_t Shift);
    // The game's status line; none when the game has no status.
    std::optional<QString> StatusText();
    // Keeps the game in progress for the next start; called before the object goes.
    void SaveGame();

private:
    void callMouse(const char* operation, std::int32_t hDC, std::int16_t Button, std::int16_t Shift,
                   float X, float Y);
    void callWithHdc(const char* operation, std::int32_t hDC);
    // An optional operation: Empty without a call when the game does not offer it.
    com::Variant call(const char* operation, const std::vector<com::Variant>& args);

    QString m_classId;
    std::unique_ptr<QObject> m_object;
};

} // namespace halvane
