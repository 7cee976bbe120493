#pragma once
// The Button and Shift codes that games receive with every mouse event.

#include <Qt>

#include <cstdint>

namespace halvane {

class MouseCodes {
public:
    // 1 left, 2 right, 4 middle, added together; other buttons count for nothing.
    static std::int16_t button(Qt::MouseButtons buttons);
    // 1 Shift, 2 Ctrl, 4 Alt, added together; other keys count for nothing.
    static std::int16_t shift(Qt::KeyboardModifiers modifiers);
};

} // namespace halvane
