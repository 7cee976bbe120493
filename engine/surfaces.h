#pragma once
// The engine's memory surfaces: memory device contexts with an engine-owned bitmap
// selected. Every surface is recorded in the module state (SurfaceDC, SurfaceBitmap,
// SurfaceOldBitmap, SurfaceCount) so that releaseAll() frees each exactly once.

#include <cstdint>

namespace dorvik {

struct Module1;

class Surfaces {
public:
    explicit Surfaces(Module1& state) : m_state(state) {}

    // A new memory context compatible with `like` (0 or any live context) holding a new
    // width x height bitmap, cleared to black by the platform. Returns 0, and leaves
    // nothing behind, when the platform refuses the context or the bitmap.
    std::int32_t create(std::int32_t like, int width, int height);

    // A new memory context compatible with `like` holding `bitmap`, which it owns from
    // then on: a picture loaded for the surface is not copied over a cleared one. Returns
    // 0, and deletes the bitmap, when the platform refuses the context or the bitmap.
    std::int32_t holding(std::int32_t like, std::int32_t bitmap);

    // Selects `bitmap` into surface `dc`, which takes ownership of it, and deletes the
    // bitmap the surface held. When `dc` is not a live engine surface the bitmap is
    // deleted instead and the result is false.
    bool replaceBitmap(std::int32_t dc, std::int32_t bitmap);

    // Frees every recorded surface, empties the records and zeroes DeckDC, SaveUnderDC
    // and TableCopyDC, so that no handle of a freed surface is ever used again. The table
    // copy is gone, so no card is shown in it any more.
    void releaseAll();

private:
    // Selects `bitmap` into the new context `dc` and records both; on failure frees both.
    std::int32_t record(std::int32_t dc, std::int32_t bitmap);

    Module1& m_state;
};

} // namespace dorvik
