#pragma once
// A bitmap of the handle table: its pixels and the context it is selected into.

#include "platform/gdi/gdi.h"

#include <QImage>
#include <QRegion>

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
    // A new bitmap is black, but its pixels are made black where and when they are first
    // read, and not at all where they are first overwritten: the full-screen surfaces made
    // at start-up are copied over or drawn on in parts later, and clearing them first cost
    // the start as much as drawing the table. Device pixels.
    QRegion blackPending;

    // Readies `area` (device pixels) to be read or partly written: black where pending.
    void prepareRead(const QRect& area);
    // Readies `area` to be written in full: nothing of it needs to be black first.
    void prepareOverwrite(const QRect& area) { blackPending -= area; }
};

} // namespace gdi
