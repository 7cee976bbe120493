#pragma once
// The current game: one plug-in object of class id plug-in name + ".GamePlay", called
// late-bound by operation name. The host never looks at what the game does; it only
// forwards the eight operations every game offers.

#include <QString>

#include <cstdint>
#include <memory>

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

    // The optional operation RefreshTable(hDC, Width, Height): the game draws its whole
    // table again on a cleared window of Width x Height table pixels. Returns false,
    // calling nothing, when the game has no such operation; throws as the eight do when
    // it fails.
    bool RefreshTable(std::int32_t hDC, std::int16_t Width, std::int16_t Height);

private:
    void callMouse(const char* operation, std::int32_t hDC, std::int16_t Button, std::int16_t Shift,
                   float X, float Y);
    void callWithHdc(const char* operation, std::int32_t hDC);

    QString m_classId;
    std::unique_ptr<QObject> m_object;
};

} // namespace halvane
