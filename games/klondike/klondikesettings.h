#pragma once
// The player's Klondike choices, kept between runs with QSettings (organisation
// "Halvane", application "Klondike", the user's native settings store).

namespace halvane::klondike {

class KlondikeSettings {
public:
    // Cards turned from the stock a draw: 1 or 3. A missing or unusable stored value
    // gives 1.
    int drawCount() const;
    // Stores 1 or 3; throws std::invalid_argument for anything else.
    void setDrawCount(int count);
};

} // namespace halvane::klondike
