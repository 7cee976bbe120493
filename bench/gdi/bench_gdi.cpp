// BitBlt between memory surfaces beside a raw memcpy of the same rows, and the larger
// deck picture decoded beside a memcpy of its pixels, in alternating batches within one
// run so that a busy machine slows both alike. Each case reports "ratio" = time of the
// operation / memcpy time.

#include "platform/gdi/gdi.h"
#include "platform/gdi/plainpng.h"

#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

struct Surface {
    Surface(int width, int height)
        : dc(gdi::CreateCompatibleDC(0)), bitmap(gdi::CreateCompatibleBitmap(dc, width, height)),
          stock(gdi::SelectObject(dc, bitmap)) {}
    ~Surface() {
        gdi::SelectObject(dc, stock);
        gdi::DeleteObject(bitmap);
        gdi::DeleteDC(dc);
    }
    gdi::HDC dc;
    gdi::HBITMAP bitmap;
    gdi::HBITMAP stock;
};

// One memcpy a row with everything worked out beforehand: the least any block copy
// between these surfaces can cost.
void memcpyRows(uchar* to, qsizetype toStride, const uchar* from, qsizetype fromStride,
                std::size_t rowBytes, int rows) {
    for (int row = 0; row < rows; ++row)
        std::memcpy(to + row * toStride, from + row * fromStride, rowBytes);
}

// Copies `block` from the bottom right corner of `source` to `at` in `destination`; the
// block must fit there, since the memcpy baseline does not clip.
void compare(benchmark::State& state, QSize source, QSize destination, QSize block, QPoint at,
             int batch) {
    Surface from(source.width(), source.height());
    Surface to(destination.width(), destination.height());
    QImage rawFrom(source, QImage::Format_RGB32);
    QImage rawTo(destination, QImage::Format_RGB32);
    rawFrom.fill(0xFF123456u);
    rawTo.fill(0xFF000000u);
    const int sx = source.width() - block.width(), sy = source.height() - block.height();
    uchar* rawTarget = rawTo.bits() + at.y() * rawTo.bytesPerLine() + at.x() * 4;
    const uchar* rawSource = rawFrom.constBits() + sy * rawFrom.bytesPerLine() + sx * 4;
    const std::size_t rowBytes = std::size_t(block.width()) * 4;
    double bltSeconds = 0, memcpySeconds = 0;
    const auto blts = [&] {
        for (int i = 0; i < batch; ++i)
            gdi::BitBlt(to.dc, at.x(), at.y(), block.width(), block.height(), from.dc, sx, sy,
                        gdi::SRCCOPY);
    };
    const auto memcpys = [&] {
        for (int i = 0; i < batch; ++i) {
            memcpyRows(rawTarget, rawTo.bytesPerLine(), rawSource, rawFrom.bytesPerLine(), rowBytes,
                       block.height());
            benchmark::ClobberMemory();
        }
    };
    const auto seconds = [](Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double>(to - from).count();
    };
    bool bltFirst = true;
    for (auto _ : state) {
        // Alternating the order keeps either side from always meeting the caches the
        // other one left behind.
        double blt = 0;
        const auto start = Clock::now();
        if (bltFirst) {
            blts();
            const auto middle = Clock::now();
            memcpys();
            blt = seconds(start, middle);
            memcpySeconds += seconds(middle, Clock::now());
        } else {
            memcpys();
            const auto middle = Clock::now();
            blts();
            blt = seconds(middle, Clock::now());
            memcpySeconds += seconds(start, middle);
        }
        bltFirst = !bltFirst;
        bltSeconds += blt;
        state.SetIterationTime(blt / batch);
    }
    const double copies = double(state.iterations()) * batch;
    state.counters["bitblt_us"] = bltSeconds / copies * 1e6;
    state.counters["memcpy_us"] = memcpySeconds / copies * 1e6;
    state.counters["ratio"] = memcpySeconds > 0 ? bltSeconds / memcpySeconds : 0;
    state.SetBytesProcessed(state.iterations() * std::int64_t(rowBytes) * block.height());
}

// A card cell from the deck picture onto the table copy.
void BM_BitBltCardCell(benchmark::State& state) {
    compare(state, QSize(936, 485), QSize(1920, 1080), QSize(71, 96), QPoint(3, 5), 64);
}
BENCHMARK(BM_BitBltCardCell)->UseManualTime();

// A whole-table copy (snapshot, redraw).
void BM_BitBltWholeTable(benchmark::State& state) {
    compare(state, QSize(1920, 1080), QSize(1920, 1080), QSize(1920, 1080), QPoint(0, 0), 1);
}
BENCHMARK(BM_BitBltWholeTable)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The standard deck at twice the size decoded as at every start on a 1920 x 1080 screen,
// into new surface memory, beside a memcpy of its pixels into new surface memory: the
// least any decoder has to do is to write them once.
void BM_DecodeDeckPictureAtTwice(benchmark::State& state) {
    QFile file(QStringLiteral(HALVANE_BUILD_DATA_DIR "/cards/Standard@2x.png"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the build tree has no Standard@2x.png");
        return;
    }
    const QByteArray bytes = file.readAll();
    QImage probe;
    probe.loadFromData(bytes, "png");
    const std::optional<QImage> decoded = gdi::PlainPng::decode(bytes, probe.size());
    if (!decoded) {
        state.SkipWithError("Standard@2x.png is not a plain PNG");
        return;
    }
    const auto seconds = [](Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double>(to - from).count();
    };
    double decodeSeconds = 0, memcpySeconds = 0;
    bool decodeFirst = true;
    for (auto _ : state) {
        const auto decode = [&] {
            const auto start = Clock::now();
            benchmark::DoNotOptimize(gdi::PlainPng::decode(bytes, decoded->size()));
            decodeSeconds += seconds(start, Clock::now());
        };
        const auto copy = [&] {
            const auto start = Clock::now();
            QImage to = gdi::NewSurfaceImage(decoded->size());
            std::memcpy(to.bits(), decoded->constBits(), std::size_t(decoded->sizeInBytes()));
            benchmark::DoNotOptimize(to.constBits());
            memcpySeconds += seconds(start, Clock::now());
        };
        if (decodeFirst) {
            decode();
            copy();
        } else {
            copy();
            decode();
        }
        decodeFirst = !decodeFirst;
    }
    const double runs = double(state.iterations());
    state.counters["decode_ms"] = decodeSeconds / runs * 1e3;
    state.counters["memcpy_ms"] = memcpySeconds / runs * 1e3;
    state.counters["ratio"] = memcpySeconds > 0 ? decodeSeconds / memcpySeconds : 0;
}
BENCHMARK(BM_DecodeDeckPictureAtTwice)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
