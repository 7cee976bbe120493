#pragma once
// Handing the keyboard back once a window over another has closed. Without a window
// manager nobody else does it: the keyboard then goes nowhere and the menu shortcuts
// (F2, Ctrl+...) do nothing until the user clicks somewhere.

class QWidget;

namespace halvane {

// Makes `window` the active window and gives it (or its focus proxy) the focus. Does
// nothing for a null window.
void returnFocus(QWidget* window);

} // namespace halvane
