#pragma once
// A deck picture as the tests see it: read from the BMP file with a reader of its own (so
// the tests do not take the writer's word for the format), plus the pixel questions the
// tests ask about cells, ink and the engine's background fill.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace deckgentest {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    bool isBlack() const { return r == 0 && g == 0 && b == 0; }
    // Visibly coloured against a white card: some channel well below white.
    bool isInk() const { return 255 - std::min({r, g, b}) > 96; }
};

class SheetImage {
public:
    // Reads an uncompressed 24-bit BMP. Throws std::runtime_error saying what is wrong.
    static SheetImage read(const std::string& path);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int bitCount() const { return m_bitCount; }
    std::uint32_t compression() const { return m_compression; }
    Rgb at(int x, int y) const { return m_pixels[std::size_t(y) * m_width + x]; }

    // The pure black pixels 4-connected to (x, y), as the engine's background fill
    // reaches them; a flag per pixel, row by row.
    std::vector<bool> blackReachedFrom(int x, int y) const;

private:
    int m_width = 0, m_height = 0, m_bitCount = 0;
    std::uint32_t m_compression = 0;
    std::vector<Rgb> m_pixels; // top row first
};

// The deck picture of `style` that the build drew into its install template, read once.
const SheetImage& builtSheet(const std::string& style);

// Pixels of the cell (`column`, `row`), counted from 1, as 71 x 96 values, top row first.
std::vector<Rgb> cellPixels(const SheetImage& sheet, int column, int row);

} // namespace deckgentest
