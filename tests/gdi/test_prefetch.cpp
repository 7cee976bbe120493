// Pictures read ahead: the next load of the same path and scale takes the picture read,
// once; every other load, and any after a failed read, reads as ever. And LoadPicture
// after PrefetchPicture gives what it gives without.

#include "platform/gdi/gdi.h"
#include "platform/gdi/pictureprefetch.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace gdi {
namespace {

std::atomic<int> loads{0};

// A 1 x 1 picture whose pixel tells the scale it was read at, with an area when read for
// a probe; "missing" throws.
PicturePrefetch::Picture fakeLoad(const QString& path, int scale,
                                  const std::optional<AreaProbe>& probe) {
    ++loads;
    if (path.endsWith(QStringLiteral("missing")))
        throw Error("cannot read " + path.toStdString());
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(QRgb(0xFF000000u | unsigned(scale)));
    return {image, probe ? std::optional(Area()) : std::nullopt};
}

const AreaProbe kCorner{{QPoint(0, 0)}, RGB(0, 0, 0)};
const AreaProbe kOtherCorner{{QPoint(1, 0)}, RGB(0, 0, 0)};

struct Take {
    const char* name;
    const char* prefetched;
    int prefetchScale;
    const char* taken;
    int takeScale;
    bool found;        // whether the take gives the picture read ahead
    std::optional<AreaProbe> prefetchProbe = std::nullopt;
    std::optional<AreaProbe> takeProbe = std::nullopt;
    bool withArea = false; // whether it comes with the area found ahead
};

void PrintTo(const Take& row, std::ostream* out) {
    *out << row.name;
}

class ReadAhead : public testing::TestWithParam<Take> {};

TEST_P(ReadAhead, OnlyTheSamePathAndScaleTakeIt) {
    const Take& row = GetParam();
    loads = 0;
    PicturePrefetch::start(QString::fromLatin1(row.prefetched), row.prefetchScale,
                           row.prefetchProbe, fakeLoad);
    const QString taken = QString::fromLatin1(row.taken);
    const std::optional<PicturePrefetch::Picture> picture =
        PicturePrefetch::take(taken, row.takeScale, row.takeProbe);
    ASSERT_EQ(picture.has_value(), row.found);
    if (picture) {
        EXPECT_EQ(picture->image.pixel(0, 0), 0xFF000000u | unsigned(row.takeScale));
        EXPECT_EQ(picture->area.has_value(), row.withArea);
    }
    if (row.found) {
        EXPECT_FALSE(PicturePrefetch::take(taken, row.takeScale)) << "taken a second time";
    }
    // Taken or not, the file was read ahead exactly once.
    PicturePrefetch::take(QString::fromLatin1(row.prefetched), row.prefetchScale);
    EXPECT_EQ(loads, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, ReadAhead,
    testing::Values(Take{"SamePathAndScale", "deck", 2, "deck", 2, true},
                    Take{"AnotherScale", "deck", 2, "deck", 1, false},
                    Take{"AnotherPath", "deck", 1, "other", 1, false},
                    Take{"AFailedReadIsLeftToTheLoad", "missing", 3, "missing", 3, false},
                    Take{"AFailedReadOfAnotherScale", "missing", 3, "missing", 2, false},
                    Take{"TheSameProbeTakesTheArea", "deck", 2, "deck", 2, true, kCorner,
                         kCorner, true},
                    Take{"AnotherProbeTakesThePictureAlone", "deck", 2, "deck", 2, true,
                         kCorner, kOtherCorner, false},
                    Take{"NoProbeTakesThePictureAlone", "deck", 1, "deck", 1, true, kCorner,
                         std::nullopt, false},
                    Take{"AProbeAfterAPrefetchWithout", "deck", 1, "deck", 1, true,
                         std::nullopt, kCorner, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadAhead, ALaterPrefetchReplacesAnEarlierOne) {
    PicturePrefetch::start(QStringLiteral("first"), 1, std::nullopt, fakeLoad);
    PicturePrefetch::start(QStringLiteral("second"), 1, std::nullopt, fakeLoad);
    EXPECT_FALSE(PicturePrefetch::take(QStringLiteral("first"), 1));
    EXPECT_TRUE(PicturePrefetch::take(QStringLiteral("second"), 1));
}

// What LoadPicture gives at `scale`: the pixels, or the error's text.
QString loadOutcome(const QString& path, int scale) {
    try {
        const HBITMAP bitmap = LoadPicture(path, scale);
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ stock = SelectObject(dc, bitmap);
        const QImage pixels = SurfaceImage(dc);
        SelectObject(dc, stock);
        DeleteObject(bitmap);
        DeleteDC(dc);
        QString text = QStringLiteral("%1x%2:").arg(pixels.width()).arg(pixels.height());
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                text += QString::number(pixels.pixel(x, y), 16) + QLatin1Char(' ');
        return text;
    } catch (const Error& e) {
        return QStringLiteral("error: ") + QString::fromUtf8(e.what());
    }
}

TEST(PrefetchPicture, LoadsWhatAPlainLoadDoes) {
    QTemporaryDir folder;
    QImage picture(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, 0xFF000000u | QRgb(x * 40) << 16 | QRgb(y * 80));
    const QString deck = folder.filePath(QStringLiteral("deck.bmp"));
    ASSERT_TRUE(picture.save(deck, "BMP"));
    const QString missing = folder.filePath(QStringLiteral("missing.bmp"));
    for (const auto& [path, scale] :
         {std::pair{deck, 1}, std::pair{deck, 3}, std::pair{missing, 2}}) {
        SCOPED_TRACE(path.toStdString() + " at " + std::to_string(scale));
        const QString plain = loadOutcome(path, scale);
        PrefetchPicture(path, scale);
        EXPECT_EQ(loadOutcome(path, scale), plain);
    }
}

// A bitmap loaded as the engine loads its deck, its area then filled red, beside a plain
// load flooded red from the same points: read ahead for the same probe, for another, or
// not at all, the two pictures must be equal.
TEST(PrefetchPicture, FindsTheAreaFloodAreaFinds) {
    QTemporaryDir folder;
    // Black joined to (0, 0) and to (4, 2), separate black at (3, 0), grey elsewhere.
    const char* rows[] = {"..#.#.", "###.##", "#.##..", "######"};
    QImage picture(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            picture.setPixel(x, y, rows[y][x] == '.' ? 0xFF000000u : 0xFF808080u);
    const QString deck = folder.filePath(QStringLiteral("deck.bmp"));
    ASSERT_TRUE(picture.save(deck, "BMP"));
    const AreaProbe probe{{QPoint(0, 0), QPoint(4, 2)}, RGB(0, 0, 0)};
    const COLORREF red = RGB(255, 0, 0);
    const auto pixelsOf = [](HBITMAP bitmap, const auto& paint) {
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ stock = SelectObject(dc, bitmap);
        paint(dc);
        const QImage pixels = SurfaceImage(dc);
        SelectObject(dc, stock);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return pixels;
    };
    const std::optional<AreaProbe> kNoPrefetch{AreaProbe{{QPoint(-1, -1)}, 0}};
    for (const int scale : {1, 2}) {
        const QImage flooded = pixelsOf(LoadPicture(deck, scale), [&](HDC dc) {
            FloodArea(dc, {QPoint(0, 0), QPoint(4, 2)}, RGB(0, 0, 0), red);
        });
        ASSERT_EQ(flooded.pixel(0, 0), 0xFFFF0000u);
        ASSERT_EQ(flooded.pixel(3 * scale, 0), 0xFF000000u) << "a separate black area stays";
        for (const std::optional<AreaProbe>& ahead :
             {std::optional(probe), std::optional(AreaProbe{{QPoint(1, 0)}, RGB(0, 0, 0)}),
              std::optional<AreaProbe>(std::nullopt), kNoPrefetch}) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << ", read ahead "
                                            << (ahead == kNoPrefetch ? "not at all"
                                                : !ahead         ? "without a probe"
                                                : *ahead == probe ? "for the same probe"
                                                                  : "for another probe"));
            if (ahead != kNoPrefetch)
                PrefetchPicture(deck, scale, ahead);
            Area area;
            const HBITMAP bitmap = LoadPicture(deck, scale, probe, area);
            EXPECT_EQ(pixelsOf(bitmap, [&](HDC dc) { EXPECT_TRUE(FillArea(dc, area, red)); }),
                      flooded);
        }
    }
}

} // namespace
} // namespace gdi
