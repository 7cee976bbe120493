#pragma once
// A bitmap of the handle table: its pixels and the context it is selected into.

#include "platform/gdi/gdi.h"
#include "platform/gdi/pendingblack.h"

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
    // A new bitmap is black, though its pixels are made so only where first read.
    PendingBlack blackPending;
};

} // namespace gdi
