#pragma once
// The engine's one state, shared by every Class1 object of the process. It is
// zero-initialised when the library loads and lives until it unloads; nothing in it
// belongs to an object. Internal header: the engine's classes and its tests read it.

#include "engine/cardrecord.h"
#include "engine/randomsource.h"
#include "platform/gdi/gdi.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace dorvik {

constexpr int kCardCount = 150; // card numbers 1 to 150

// Where the table copy shows a card's picture, because it was dealt or slid home there
// and not lifted since. Lifting a card that is not there would paint a stale save-under
// cell over the table copy, so every lift asks this first.
struct TableCopyPlace {
    bool shown = false;
    std::int16_t x = 0;
    std::int16_t y = 0;
};

struct Module1 {
    std::array<CardRecord, kCardCount> CardTable{}; // index = card number - 1

    // Every surface the engine created, so that they can all be freed together. Each
    // entry: the memory context, the bitmap it now holds (owned by the engine) and the
    // stock bitmap it held at creation (put back before the context is deleted).
    std::vector<std::int32_t> SurfaceDC;
    std::vector<std::int32_t> SurfaceBitmap;
    std::vector<std::int32_t> SurfaceOldBitmap;
    std::int16_t SurfaceCount = 0;

    std::int32_t DeckDC = 0;      // the deck sheet, 936 x 485
    std::int32_t SaveUnderDC = 0; // two banks of save-under cells, 936 x 970
    std::int32_t TableCopyDC = 0; // the table as it should look, screen-sized

    bool SnapshotPending = false; // the next visible draw first copies the window
    std::int16_t CardBack = 0;
    std::int16_t StackOffset = 0;
    std::int16_t GrabOffsetX = 0;
    std::int16_t GrabOffsetY = 0;
    std::int16_t DragCard = 0;
    bool DragFirstMove = false;

    QString CurrentDeck;
    QString CurrentDirectory;
    std::vector<std::int16_t> DeckOrder; // index 0 unused; empty until CreateDeck

    std::array<TableCopyPlace, kCardCount> InTableCopy{}; // index = card number - 1

    // The table colour last given to SetBackground, re-applied after every sheet load,
    // and the sheet's background as loaded, so that a new colour fills the same region.
    std::optional<std::uint32_t> BackgroundColor;
    gdi::Area SheetBackground;

    RandomSource Random;

    CardRecord& card(int n) { return CardTable[std::size_t(n - 1)]; }            // n in 1..150
    TableCopyPlace& copyPlace(int n) { return InTableCopy[std::size_t(n - 1)]; } // same
};

// The process's one engine state.
Module1& module1();

// Tests only: frees the surfaces and returns the state to what it is at load.
void ResetModule1();

} // namespace dorvik
