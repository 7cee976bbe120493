#pragma once
// What the table widget hands on to the table window: the paints the window system asks
// for and the mouse as the user works it. Implementations handle their own failures;
// nothing may be thrown back into the widget's event handlers.

#include <cstdint>

namespace halvane {

class TableEvents {
public:
    virtual ~TableEvents() = default;

    // A paint asked for by the window system (not a frame the host presents itself).
    virtual void Form_Paint() = 0;
    virtual void Form_Resize() = 0;

    // Button: 1 left, 2 right, 4 middle (for a move, the buttons held); Shift: 1 Shift,
    // 2 Ctrl, 4 Alt; X and Y in pixels of the table.
    virtual void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) = 0;
    virtual void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) = 0;
    virtual void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) = 0;
    virtual void Form_DblClick() = 0;
};

} // namespace halvane
