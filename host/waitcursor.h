#pragma once
// The hourglass for as long as a menu command runs: shown on construction, the previous
// pointer back on destruction, also when the command throws. Guards nest.

namespace halvane {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();

    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace halvane
