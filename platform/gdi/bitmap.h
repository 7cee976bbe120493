#pragma once
// A bitmap of the handle table: its pixels and the context it is selected into.

#include "platform/gdi/gdi.h"

#include <QImage>

namespace gdi {

struct Bitmap {
    // Format_RGB32, never shared with another QImage, so writing into it never copies.
    QImage image;
    // Device pixels per table pixel on each axis (1 to 4): the image is `scale` times the
    // bitmap's size in table pixels.
    int scale = 1;
    // The memory context the bitmap is selected into, 0 when free. The stock bitmap is
    // held by any number of contexts and keeps 0 here.
    HDC selectedInto = 0;
    // A new bitmap is black, but its pixels are made black at their first use rather than
    // when it is made, and not at all when that use writes every one of them: the
    // full-screen surfaces made at start-up are copied over or drawn on later, and
    // clearing them first cost the start as much as drawing the table.
    bool blackPending = false;

    // The pixels, made black first while that is pending.
    QImage& pixels() {
        if (blackPending) {
            image.fill(0xFF000000u);
            blackPending = false;
        }
        return image;
    }
};

} // namespace gdi
