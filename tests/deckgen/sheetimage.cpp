#include "sheetimage.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace deckgentest {
namespace {

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b.at(at + i);
    return v;
}

} // namespace

SheetImage SheetImage::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    auto fail = [&](const std::string& why) { throw std::runtime_error(path + ": " + why); };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        fail("not a BMP file");
    SheetImage image;
    const std::uint32_t offset = le(bytes, 10, 4);
    image.m_width = int(le(bytes, 18, 4));
    const auto rawHeight = std::int32_t(le(bytes, 22, 4));
    image.m_bitCount = int(le(bytes, 28, 2));
    image.m_compression = le(bytes, 30, 4);
    if (image.m_bitCount != 24 || image.m_compression != 0)
        fail("not an uncompressed 24-bit BMP");
    const bool bottomUp = rawHeight > 0;
    image.m_height = bottomUp ? rawHeight : -rawHeight;
    if (image.m_width <= 0 || image.m_height <= 0 || image.m_width > 10000 ||
        image.m_height > 10000)
        fail("implausible size");
    const std::size_t stride = (std::size_t(image.m_width) * 3 + 3) / 4 * 4;
    if (bytes.size() < offset + stride * image.m_height)
        fail("pixel data cut short");
    image.m_pixels.resize(std::size_t(image.m_width) * image.m_height);
    for (int y = 0; y < image.m_height; ++y) {
        const std::size_t line = offset + stride * (bottomUp ? image.m_height - 1 - y : y);
        for (int x = 0; x < image.m_width; ++x) {
            const std::size_t p = line + std::size_t(x) * 3;
            image.m_pixels[std::size_t(y) * image.m_width + x] = {bytes[p + 2], bytes[p + 1],
                                                                  bytes[p]};
        }
    }
    return image;
}

std::vector<bool> SheetImage::blackReachedFrom(int x0, int y0) const {
    std::vector<bool> reached(m_pixels.size(), false);
    if (!at(x0, y0).isBlack())
        return reached;
    std::vector<std::pair<int, int>> todo{{x0, y0}};
    reached[std::size_t(y0) * m_width + x0] = true;
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        const std::pair<int, int> next[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& [nx, ny] : next) {
            if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height)
                continue;
            const std::size_t i = std::size_t(ny) * m_width + nx;
            if (!reached[i] && at(nx, ny).isBlack()) {
                reached[i] = true;
                todo.emplace_back(nx, ny);
            }
        }
    }
    return reached;
}

const SheetImage& builtSheet(const std::string& style) {
    static std::map<std::string, SheetImage> sheets;
    auto it = sheets.find(style);
    if (it == sheets.end())
        it = sheets
                 .emplace(style, SheetImage::read(std::string(HALVANE_BUILD_DATA_DIR) + "/cards/" +
                                                  style + ".bmp"))
                 .first;
    return it->second;
}

std::vector<Rgb> cellPixels(const SheetImage& sheet, int column, int row) {
    std::vector<Rgb> cell;
    cell.reserve(71 * 96);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x)
            cell.push_back(sheet.at((column - 1) * 72 + x, (row - 1) * 97 + y));
    return cell;
}

} // namespace deckgentest
