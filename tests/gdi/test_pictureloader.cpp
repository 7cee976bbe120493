// LoadPicture on BMP files written here byte by byte: each variant decodes to the pixels
// it encodes, each broken file is refused with a message naming the file and the fault.

#include "platform/gdi/gdi.h"
#include "tests/gdi/bmpwriter.h"
#include "tests/gdi/surfaces.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

namespace gdi {
namespace {

using test::BmpLayout;
using test::packRows;
using Rows = std::vector<std::vector<std::uint32_t>>;

// A 5 x 3 picture: odd widths make every bit depth pad its rows.
const Rows kIndices = {{0, 1, 2, 3, 0}, {1, 1, 0, 2, 3}, {3, 2, 1, 0, 1}};
const std::vector<std::uint32_t> kPalette = {0x102030, 0xA0B0C0, 0x00FF00, 0x0000FF};

Rows indexed(int modulo) {
    Rows rows = kIndices;
    for (auto& row : rows)
        for (auto& index : row)
            index %= modulo;
    return rows;
}

Rows coloursOf(const Rows& indices) {
    Rows rows = indices;
    for (auto& row : rows)
        for (auto& index : row)
            index = kPalette[index];
    return rows;
}

// Direct colours; every channel a multiple of 8 so that 5-bit channels keep them exactly.
const Rows kColours = {{0x000000, 0x283008, 0x506010, 0x789018, 0xA0C020},
                       {0x084028, 0x307030, 0x58A038, 0x80D040, 0xA8F848},
                       {0x108050, 0x38B058, 0x60E060, 0x881068, 0xB04070}};

Rows swapRedBlue(Rows rows) {
    for (auto& row : rows)
        for (auto& c : row)
            c = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    return rows;
}

QByteArray pack565(const Rows& rows) {
    QByteArray out;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        for (const std::uint32_t c : *row) {
            const std::uint32_t v =
                ((c >> 19 & 0x1F) << 11) | ((c >> 10 & 0x3F) << 5) | (c >> 3 & 0x1F);
            out.append(char(v & 0xFF)).append(char(v >> 8));
        }
        out.append(2, '\0'); // 10 bytes a row, padded to 12
    }
    return out;
}

BmpLayout layout(std::uint32_t header, int bits, QByteArray pixels, int height = 3) {
    BmpLayout l;
    l.headerSize = header;
    l.width = 5;
    l.height = height;
    l.bitCount = std::uint16_t(bits);
    l.pixels = std::move(pixels);
    return l;
}

BmpLayout paletted(int bits, std::uint32_t header = 40) {
    BmpLayout l = layout(header, bits, packRows(indexed(1 << std::min(bits, 2)), bits));
    l.palette = kPalette;
    l.palette.resize(std::size_t(1) << bits);
    return l;
}

BmpLayout withMasks(BmpLayout l, std::vector<std::uint32_t> masks) {
    l.compression = 3;
    l.masks = std::move(masks);
    return l;
}

BmpLayout rle(int bits, QByteArray stream) {
    BmpLayout l = layout(40, bits, std::move(stream));
    l.compression = bits == 8 ? 1 : 2;
    l.coloursUsed = 4;
    l.palette = kPalette;
    return l;
}

// Bottom row first: a literal of five; a run of two and a literal of three; single runs
// and a literal between them; then the end-of-picture mark.
const QByteArray kRle8("\x00\x05\x03\x02\x01\x00\x01\x00\x00\x00"
                       "\x02\x01\x00\x03\x00\x02\x03\x00\x00\x00"
                       "\x01\x00\x00\x03\x01\x02\x03\x00\x01\x00\x00\x01",
                       32);
// The same rows in nibbles; runs alternate the two nibbles of their byte.
const QByteArray kRle4("\x00\x05\x32\x10\x10\x00\x00\x00"
                       "\x02\x11\x00\x03\x02\x30\x00\x00"
                       "\x02\x01\x02\x23\x01\x00\x00\x01",
                       24);

// Pixels a run-length stream leaves unset are palette colour 0, never leftover memory.
Rows unsetAreColourZero(const Rows& bottomUp) {
    Rows rows(3, std::vector<std::uint32_t>(5, 0));
    for (std::size_t y = 0; y < bottomUp.size(); ++y)
        rows[2 - y] = bottomUp[y];
    return coloursOf(rows);
}

struct Variant {
    const char* name;
    BmpLayout layout;
    Rows expected; // top row first, 0x00RRGGBB
};

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << variant.name;
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name) + ".bmp");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

class PictureVariants : public testing::TestWithParam<Variant> {};

TEST_P(PictureVariants, DecodeToTheirPixels) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, GetParam().name, test::writeBmp(GetParam().layout));
    const int bitmapsBefore = LiveBitmapCount();
    const HBITMAP bitmap = LoadPicture(path);
    ASSERT_NE(bitmap, 0);
    EXPECT_EQ(LiveBitmapCount(), bitmapsBefore + 1);
    const HDC dc = CreateCompatibleDC(0);
    const HBITMAP stock = SelectObject(dc, bitmap);
    ASSERT_EQ(GetSurfaceSize(dc), QSize(5, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const std::uint32_t c = GetParam().expected[y][x];
            EXPECT_EQ(GetPixel(dc, x, y), RGB(c >> 16, c >> 8, c)) << "at " << x << ", " << y;
        }
    SelectObject(dc, stock);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(bitmap));
}

const Variant kVariants[] = {
    {"OneBit", paletted(1), coloursOf(indexed(2))},
    {"FourBit", paletted(4), coloursOf(kIndices)},
    {"EightBit", paletted(8), coloursOf(kIndices)},
    {"EightBitShortPalette",
     [] {
         BmpLayout l = paletted(8);
         l.palette = kPalette;
         l.coloursUsed = 4;
         return l;
     }(),
     coloursOf(kIndices)},
    {"IndexBeyondPalette",
     [] {
         BmpLayout l = paletted(8);
         l.palette = {kPalette[0], kPalette[1]};
         l.coloursUsed = 2;
         return l;
     }(),
     [] {
         Rows rows = coloursOf(kIndices);
         for (std::size_t y = 0; y < rows.size(); ++y)
             for (std::size_t x = 0; x < rows[y].size(); ++x)
                 if (kIndices[y][x] >= 2)
                     rows[y][x] = 0; // black, like any colour the palette lacks
         return rows;
     }()},
    {"Rle8", rle(8, kRle8), coloursOf(kIndices)},
    {"Rle4", rle(4, kRle4), coloursOf(kIndices)},
    {"Rle8EndOfPictureOnly", rle(8, QByteArray("\x00\x01", 2)), unsetAreColourZero({})},
    {"Rle4EndOfPictureOnly", rle(4, QByteArray("\x00\x01", 2)), unsetAreColourZero({})},
    // One pixel, a delta of two right and one up, one more pixel.
    {"Rle8DeltaSkipping", rle(8, QByteArray("\x01\x01\x00\x02\x02\x01\x01\x03\x00\x01", 10)),
     unsetAreColourZero({{1, 0, 0, 0, 0}, {0, 0, 0, 3, 0}})},
    {"Rle8EndOfLineEarly", rle(8, QByteArray("\x02\x02\x00\x00\x01\x03\x00\x01", 8)),
     unsetAreColourZero({{2, 2, 0, 0, 0}, {3, 0, 0, 0, 0}})},
    {"Rle4EndOfLineEarly", rle(4, QByteArray("\x03\x12\x00\x00\x00\x01", 6)),
     unsetAreColourZero({{1, 2, 1, 0, 0}})},
    {"Sixteen555", layout(40, 16, packRows(kColours, 16)), kColours},
    {"Sixteen565", withMasks(layout(40, 16, pack565(kColours)), {0xF800, 0x07E0, 0x001F}),
     kColours},
    {"TwentyFour", layout(40, 24, packRows(kColours, 24)), kColours},
    {"ThirtyTwo", layout(40, 32, packRows(kColours, 32)), kColours},
    {"ThirtyTwoMasksSwapped",
     withMasks(layout(40, 32, packRows(kColours, 32)), {0x0000FF, 0x00FF00, 0xFF0000}),
     swapRedBlue(kColours)},
    {"TopDown", layout(40, 24, packRows(kColours, 24, false), -3), kColours},
    {"CoreHeaderOneBit", paletted(1, 12), coloursOf(indexed(2))},
    {"CoreHeaderTwentyFour", layout(12, 24, packRows(kColours, 24)), kColours},
    {"Header52", withMasks(layout(52, 32, packRows(kColours, 32)), {0xFF0000, 0xFF00, 0xFF}),
     kColours},
    {"Header56", withMasks(layout(56, 32, packRows(kColours, 32)), {0xFF, 0xFF00, 0xFF0000, 0}),
     swapRedBlue(kColours)},
    {"Header56Plain", layout(56, 24, packRows(kColours, 24)), kColours},
    {"Header108", layout(108, 24, packRows(kColours, 24)), kColours},
    {"Header124", withMasks(layout(124, 16, pack565(kColours)), {0xF800, 0x07E0, 0x001F}),
     kColours},
};

INSTANTIATE_TEST_SUITE_P(Gdi, PictureVariants, testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Broken files ------------------------------------------------------------------------

void put32(QByteArray& bytes, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

void put16(QByteArray& bytes, int at, std::uint32_t value) {
    bytes[at] = char(value);
    bytes[at + 1] = char(value >> 8);
}

// The 5 x 3 24-bit picture: 54 bytes of headers, then 3 rows of 16 bytes.
QByteArray good24() {
    return test::writeBmp(layout(40, 24, packRows(kColours, 24)));
}

QByteArray changed(QByteArray bytes, const std::function<void(QByteArray&)>& change) {
    change(bytes);
    return bytes;
}

BmpLayout sized(BmpLayout l, int width, int height) {
    l.width = width;
    l.height = height;
    return l;
}

struct Broken {
    const char* name;
    QByteArray bytes;
    const char* fault;
};

void PrintTo(const Broken& broken, std::ostream* out) {
    *out << broken.name;
}

class BrokenPictures : public testing::TestWithParam<Broken> {};

TEST_P(BrokenPictures, AreRefusedWithTheirFault) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, GetParam().name, GetParam().bytes);
    const int bitmapsBefore = LiveBitmapCount();
    try {
        LoadPicture(path);
        ADD_FAILURE() << "loaded";
    } catch (const Error& error) {
        EXPECT_EQ(QString::fromStdString(error.what()),
                  QStringLiteral("Cannot load picture \"%1\": %2")
                      .arg(path, QString::fromLatin1(GetParam().fault)));
    }
    EXPECT_EQ(LiveBitmapCount(), bitmapsBefore);
}

const auto at16 = [](int at, std::uint32_t v) { return [=](QByteArray& b) { put16(b, at, v); }; };
const auto at32 = [](int at, std::uint32_t v) { return [=](QByteArray& b) { put32(b, at, v); }; };

const Broken kBroken[] = {
    {"Empty", QByteArray(), "empty file"},
    {"Gif", QByteArray("GIF89a\x01\x00"), "not a BMP picture"},
    {"Png", QByteArray("\x89PNG\r\n"), "not a BMP picture"},
    {"Text", QByteArray("root:x:0:0:root:/root:/bin/bash\n"), "not a BMP picture"},
    {"CutInFileHeader", good24().left(10),
     "truncated (the file header needs 18 bytes, 10 present)"},
    {"UnknownHeaderSize", changed(good24(), at32(14, 64)),
     "unsupported header size 64 (expected 12, 40, 52, 56, 108 or 124)"},
    {"CutInHeader", good24().left(30), "truncated (the picture header needs 54 bytes, 30 present)"},
    {"TwoPlanes", changed(good24(), at16(26, 2)), "plane count is 2, must be 1"},
    {"TwoBits", changed(good24(), at16(28, 2)),
     "unsupported bit count 2 (expected 1, 4, 8, 16, 24 or 32)"},
    {"Rle8WithTwentyFourBits", changed(good24(), at32(30, 1)),
     "compression BI_RLE8 does not go with 24 bits a pixel"},
    {"Rle4WithEightBits", changed(test::writeBmp(paletted(8)), at32(30, 2)),
     "compression BI_RLE4 does not go with 8 bits a pixel"},
    {"BitfieldsWithTwentyFourBits", changed(good24(), at32(30, 3)),
     "compression BI_BITFIELDS does not go with 24 bits a pixel"},
    {"Jpeg", changed(good24(), at32(30, 4)), "unsupported compression BI_JPEG"},
    {"ZeroWidth", changed(good24(), at32(18, 0)), "width 0 is not in 1..32767"},
    {"NegativeWidth", changed(good24(), at32(18, std::uint32_t(-5))),
     "width -5 is not in 1..32767"},
    {"TooWide", changed(good24(), at32(18, 32768)), "width 32768 is not in 1..32767"},
    {"ZeroHeight", changed(good24(), at32(22, 0)),
     "height 0 is not in 1..32767 (or -1..-32767 top-down)"},
    {"TooTall", changed(good24(), at32(22, std::uint32_t(-32768))),
     "height -32768 is not in 1..32767 (or -1..-32767 top-down)"},
    {"MostNegativeHeight", changed(good24(), at32(22, 0x80000000u)),
     "height -2147483648 is not in 1..32767 (or -1..-32767 top-down)"},
    {"TopDownRle", changed(test::writeBmp(rle(8, kRle8)), at32(22, std::uint32_t(-3))),
     "a top-down picture cannot be compressed (BI_RLE8)"},
    {"PaletteTooBig", changed(test::writeBmp(paletted(8)), at32(46, 300)),
     "palette of 300 colours is too big for 8 bits a pixel (at most 256)"},
    {"CutInPalette", test::writeBmp(rle(8, kRle8)).left(62),
     "truncated (the palette needs 16 bytes, 8 present)"},
    {"CutInMasks",
     test::writeBmp(withMasks(layout(40, 32, packRows(kColours, 32)), {0xFF, 0xFF00, 0xFF0000}))
         .left(58),
     "truncated (the colour mask table needs 12 bytes, 4 present)"},
    {"PixelsInsideHeaders", changed(good24(), at32(10, 20)),
     "pixel data offset 20 lies inside the headers and palette, which end at byte 54"},
    {"PixelsPastTheEnd", changed(good24(), at32(10, 500)),
     "truncated (pixel data starts at byte 500, the file has 102 bytes)"},
    {"CutInPixels", good24().left(74), "truncated (pixel data needs 48 bytes, 20 present)"},
    {"OneByteShort", good24().chopped(1), "truncated (pixel data needs 48 bytes, 47 present)"},
    {"RleWithoutEnd", test::writeBmp(rle(8, kRle8.left(10))),
     "truncated (compressed pixel data ends in row 2 of 3 without an end-of-picture mark)"},
    {"RleCutInLiteral", test::writeBmp(rle(8, kRle8.left(5))),
     "truncated (compressed pixel data ends in row 1 of 3 without an end-of-picture mark)"},
    {"RleCutInDelta", test::writeBmp(rle(4, QByteArray("\x00\x02\x01", 3))),
     "truncated (compressed pixel data ends in row 1 of 3 without an end-of-picture mark)"},
    // 1,022 bytes of end-of-line marks cannot describe 31 million pixels.
    {"RleClaimTooLarge",
     test::writeBmp(sized(rle(8, QByteArray(1020, '\0') + QByteArray("\x00\x01", 2)), 5600, 5600)),
     "5600 x 5600 pixels are more than 1022 bytes of compressed data can describe (at most "
     "1048576 pixels)"},
};

INSTANTIATE_TEST_SUITE_P(Gdi, BrokenPictures, testing::ValuesIn(kBroken),
                         [](const auto& info) { return std::string(info.param.name); });

// Paths that are not ordinary picture files.
struct BadPath {
    const char* name;
    const char* file; // inside a fresh folder; "" is the folder itself
    const char* fault;
};

void PrintTo(const BadPath& row, std::ostream* out) {
    *out << row.name;
}

class BadPaths : public testing::TestWithParam<BadPath> {};

TEST_P(BadPaths, AreRefusedWithTheirFault) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(GetParam().file));
    if (path.endsWith("pipe.bmp")) { // a reader that opened it would wait for a writer forever
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    try {
        LoadPicture(path);
        ADD_FAILURE() << "loaded";
    } catch (const Error& error) {
        EXPECT_EQ(QString::fromStdString(error.what()),
                  QStringLiteral("Cannot load picture \"%1\": %2")
                      .arg(path, QString::fromLatin1(GetParam().fault)));
    }
}

INSTANTIATE_TEST_SUITE_P(Gdi, BadPaths,
                         testing::Values(BadPath{"Missing", "cards/Foo.bmp", "file not found"},
                                         BadPath{"Folder", "", "is a folder, not a file"},
                                         BadPath{"Pipe", "pipe.bmp", "is not an ordinary file"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gdi
