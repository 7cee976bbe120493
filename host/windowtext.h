#pragma once
// Texts the window system carries for us (the caption, message boxes) come from files the
// user chose: a web-site line of many megabytes would exceed what an X11 request may
// hold and end the program. Every such text passes through here first.

#include <QString>

namespace halvane {

class WindowText {
public:
    // The longest text a window shows, in characters.
    static constexpr int Longest = 1000;

    // `text` when it has at most Longest characters, else its first Longest - 1 followed
    // by an ellipsis.
    static QString cut(const QString& text);
};

} // namespace halvane
