// The engine's drawing and dragging on a 1920 x 1080 table, each beside a plain memcpy
// of the same rows (71-pixel cell rows, or whole table rows) between images of the same
// strides, measured in the same run and printed as ratios at the end.
//
// Built a second time with HALVANE_BENCH_SCALE=2: the same table at a table scale of 2
// (a 3840 x 2160 screen), where every surface holds 2 x 2 device pixels per table pixel
// and the baselines copy the same device bytes.

#include "bench/engine/ratioreporter.h"

#include "engine/class1.h"
#include "engine/fixedseed.h"
#include "platform/gdi/gdi.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace dorvik::bench {
namespace {

#ifndef HALVANE_BENCH_SCALE
#define HALVANE_BENCH_SCALE 1
#endif
constexpr int kScale = HALVANE_BENCH_SCALE;
constexpr QSize kTable{1920, 1080}; // table pixels
constexpr int kCellRows = 96;

// One engine on a full-HD table with a deck loaded from a generated sheet. Made once
// for the whole run, as are the baselines' images: where the memory of an 8 MB image
// lands changes a copy's speed by half again, so every copy here uses memory allocated
// once, at start-up.
class Table {
public:
    Table() {
        gdi::SetTableScale(kScale);
        gdi::SetScreenPixels(kTable * kScale);
        QImage sheet(936, 485, QImage::Format_RGB32);
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                sheet.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x + y) & 0xff));
            }
        }
        QDir().mkpath(m_dir.filePath("cards"));
        sheet.save(m_dir.filePath("cards/Standard.bmp"), "BMP");
        QImage background(kTable * kScale, QImage::Format_RGB32);
        background.fill(qRgb(0, 128, 0));
        m_window = gdi::CreateCompatibleDC(0);
        m_stock = gdi::SelectObject(m_window, gdi::CreateBitmapFromImage(background, kScale));
        m_engine.SetCurrentDirectory(m_dir.path());
        m_engine.InitializeDeck(m_window);
        // The table copy's memory is touched at its first use: here, not in a benchmark.
        m_engine.TakeScreenShot(m_window);
    }
    ~Table() {
        m_engine.UnloadDeck();
        gdi::DeleteObject(gdi::SelectObject(m_window, m_stock));
        gdi::DeleteDC(m_window);
    }
    static Table& get() {
        static Table table;
        return table;
    }
    Class1& engine() { return m_engine; }
    gdi::HDC window() const { return m_window; }

private:
    QTemporaryDir m_dir;
    Class1 m_engine;
    gdi::HDC m_window = 0;
    gdi::HGDIOBJ m_stock = 0;
};

// The baselines copy the same bytes the engine does, between buffers of the same
// strides and at the same places: cells from the sheet's cell (0, 0) to (500, 400) of
// table-sized buffers (alternating between two, as the engine draws into the table copy
// and the window), whole tables row by row. The buffers are 64-byte aligned: a copy
// between rows whose addresses differ by 16 bytes modulo 4 KB runs at half speed, and
// the baseline must not be the slow case by accident.
class Buffer {
public:
    // width x height table pixels, kScale x kScale device pixels each.
    Buffer(int width, int height, std::uint32_t fill)
        : m_stride(std::size_t(width) * kScale * 4),
          m_bits(static_cast<uchar*>(
              std::aligned_alloc(64, m_stride * std::size_t(height) * kScale))) {
        std::memset(m_bits.get(), int(fill), m_stride * std::size_t(height) * kScale);
    }
    // Table pixel `p`'s first device pixel.
    uchar* at(QPoint p) const {
        return m_bits.get() + std::size_t(p.y()) * kScale * m_stride + p.x() * kScale * 4;
    }
    std::size_t stride() const { return m_stride; }

private:
    struct Free {
        void operator()(uchar* p) const { std::free(p); }
    };
    std::size_t m_stride;
    std::unique_ptr<uchar, Free> m_bits;
};

struct Images {
    static Images& get() {
        static Images images;
        return images;
    }
    Buffer sheet{936, 970, 1};
    Buffer table[2] = {Buffer(kTable.width(), kTable.height(), 2),
                       Buffer(kTable.width(), kTable.height(), 3)};
};

void copyBlock(const Buffer& from, QPoint source, const Buffer& to, QPoint target, int width,
               int rows) {
    const uchar* src = from.at(source);
    uchar* dst = to.at(target);
    for (int r = 0; r < rows * kScale; ++r) {
        std::memcpy(dst + std::size_t(r) * to.stride(), src + std::size_t(r) * from.stride(),
                    std::size_t(width) * kScale * 4);
    }
}

// `count` cell copies of `rows` rows each.
void cells(benchmark::State& state, int count, int rows = kCellRows) {
    Images& images = Images::get();
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            copyBlock(images.sheet, {0, 0}, images.table[i % 2], {500, 400}, 71, rows);
        }
        benchmark::ClobberMemory();
    }
}

// The win sequence's copies: for 565 cards centred on uniformly random points of the
// table, the table under the card into a save-under cell, then the card into the table
// copy and the window, each clipped to the table as the engine's copies are.
void winThrows(benchmark::State& state) {
    Images& images = Images::get();
    std::mt19937 generator(1);
    std::uniform_int_distribution<int> x(1, kTable.width());
    std::uniform_int_distribution<int> y(1, kTable.height());
    std::vector<QRect> places;
    for (int i = 0; i < 565; ++i) {
        const QRect card(x(generator) - 36, y(generator) - 48, 71, kCellRows);
        places.push_back(card.intersected(QRect(QPoint(0, 0), kTable)));
    }
    for (auto _ : state) {
        for (const QRect& place : places) {
            const QPoint inCell = place.topLeft();
            copyBlock(images.table[1], inCell, images.sheet, {0, 485}, place.width(),
                      place.height());
            copyBlock(images.sheet, {0, 0}, images.table[0], inCell, place.width(), place.height());
            copyBlock(images.sheet, {0, 0}, images.table[1], inCell, place.width(), place.height());
        }
        copyBlock(images.sheet, {360, 388}, images.table[0], {924, 492}, 71, kCellRows);
        copyBlock(images.sheet, {360, 388}, images.table[1], {924, 492}, 71, kCellRows);
        benchmark::ClobberMemory();
    }
}

void wholeTable(benchmark::State& state) {
    Images& images = Images::get();
    for (auto _ : state) {
        copyBlock(images.table[0], {0, 0}, images.table[1], {0, 0}, kTable.width(),
                  kTable.height());
        benchmark::ClobberMemory();
    }
}

void DrawCard(benchmark::State& state) {
    Table& t = Table::get();
    for (auto _ : state) {
        t.engine().DrawCard(t.window(), 1, 500, 400);
    }
}

void DealCard(benchmark::State& state) {
    Table& t = Table::get();
    for (auto _ : state) {
        t.engine().DealCard(t.window(), 1, 500, 400);
    }
}

void RemoveCard(benchmark::State& state) {
    Table& t = Table::get();
    t.engine().DealCard(t.window(), 1, 500, 400);
    for (auto _ : state) {
        t.engine().RemoveCard(t.window(), 1);
    }
}

void ReDraw(benchmark::State& state) {
    Table& t = Table::get();
    t.engine().TakeScreenShot(t.window()); // real pixels, not untouched zero pages
    for (auto _ : state) {
        t.engine().ReDraw(t.window());
    }
}

void TakeScreenShot(benchmark::State& state) {
    Table& t = Table::get();
    for (auto _ : state) {
        t.engine().TakeScreenShot(t.window());
    }
}

void DoDragStep(benchmark::State& state) {
    Table& t = Table::get();
    t.engine().DealCard(t.window(), 20, 1500, 800);
    t.engine().InitDrag(t.window(), 1510, 810);
    t.engine().DoDrag(t.window(), 20, 1600, 900); // the first move also lifts the card
    std::int16_t x = 1600;
    for (auto _ : state) {
        x = x == 1600 ? 1640 : 1600;
        t.engine().DoDrag(t.window(), 20, x, 900);
    }
}

const com::Variant& thirteenCards() {
    static const com::Variant list = [] {
        std::vector<com::Variant> cards;
        for (int n = 1; n <= 13; ++n) {
            cards.push_back(com::Variant::fromInteger(std::int16_t(n)));
        }
        return com::Variant::fromArray(cards);
    }();
    return list;
}

void BlockDragStep(benchmark::State& state) {
    Table& t = Table::get();
    for (int n = 1; n <= 13; ++n) {
        t.engine().DealCard(t.window(), std::int16_t(n), 300, std::int16_t(100 + 16 * (n - 1)));
    }
    t.engine().InitDrag(t.window(), 310, 105);
    t.engine().BlockDrag(t.window(), thirteenCards(), 13, 600, 300);
    std::int16_t x = 600;
    for (auto _ : state) {
        x = x == 600 ? 640 : 600;
        t.engine().BlockDrag(t.window(), thirteenCards(), 13, x, 300);
    }
}

// A slide of 1000 pixels: 50 frames, each an erase and a draw, plus the lift before and
// the deal home after (save-under, table copy, window): 104 cell copies.
constexpr int kSlideFrames = 50;

void ReturnDrag50Frames(benchmark::State& state) {
    Table& t = Table::get();
    t.engine().DealCard(t.window(), 30, 100, 600);
    std::int16_t home = 100;
    for (auto _ : state) {
        home = home == 100 ? 1100 : 100;
        t.engine().ReturnDrag(t.window(), 30, home, 600);
    }
    state.counters["frames"] = kSlideFrames;
}

void WinSequence(benchmark::State& state) {
    Table& t = Table::get();
    SetFixedSeed(1);
    for (auto _ : state) {
        t.engine().WinSequence(t.window());
    }
    SetFixedSeed(std::nullopt);
    t.engine().SetDefaultValues(); // the table is strewn with cards: park them again
}

} // namespace
} // namespace dorvik::bench

int main(int argc, char** argv) {
    using namespace dorvik::bench;
    const auto reg = [](const char* name, auto fn) {
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMicrosecond);
    };
    reg("DrawCard", DrawCard);
    reg("DrawCard/memcpy", [](benchmark::State& s) { cells(s, 2); });
    reg("DealCard", DealCard);
    reg("DealCard/memcpy", [](benchmark::State& s) { cells(s, 3); });
    reg("RemoveCard", RemoveCard);
    reg("RemoveCard/memcpy", [](benchmark::State& s) { cells(s, 2); });
    reg("ReDraw", ReDraw);
    reg("ReDraw/memcpy", wholeTable);
    reg("TakeScreenShot", TakeScreenShot);
    reg("TakeScreenShot/memcpy", wholeTable);
    reg("DoDragStep", DoDragStep);
    reg("DoDragStep/memcpy", [](benchmark::State& s) { cells(s, 2); });
    // Erase 71 x 288 rows, draw 12 strips of 16 rows and one whole card.
    reg("BlockDragStep13", BlockDragStep);
    reg("BlockDragStep13/memcpy", [](benchmark::State& s) { cells(s, 1, 288 + 12 * 16 + 96); });
    reg("ReturnDrag50Frames", ReturnDrag50Frames);
    reg("ReturnDrag50Frames/memcpy",
        [](benchmark::State& s) { cells(s, 1 + 2 * kSlideFrames + 3); });
    // 565 deals of three cell copies each at random places, and the closing back.
    reg("WinSequence", WinSequence);
    reg("WinSequence/memcpy", winThrows);

    benchmark::Initialize(&argc, argv);
    Table::get();
    Images::get();
    RatioReporter reporter;
    for (const char* name : {"DrawCard", "DealCard", "RemoveCard", "DoDragStep", "BlockDragStep13",
                             "ReturnDrag50Frames"}) {
        reporter.setAim(name, 2.0);
    }
    reporter.setAim("ReDraw", 1.2);
    reporter.setAim("TakeScreenShot", 1.2);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
