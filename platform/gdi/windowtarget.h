#pragma once
// A window device context: a context over an image that a window shows. The window owns
// the image and registers it with CreateWindowDC; the drawing system writes into the
// image and asks the window to present what changed.

#include "platform/gdi/gdi.h"

#include <QRect>

class QImage;

namespace gdi {

class WindowTarget {
public:
    virtual ~WindowTarget() = default;

    // The image the window shows, QImage::Format_RGB32. It must stay valid (and keep its
    // storage unshared) while the context exists; it may be replaced between calls.
    virtual QImage& surface() = 0;

    // Device pixels of the image per table pixel (1 to 4); the image is that many times
    // the table's size. Drawing calls take table pixels and map them here.
    virtual int scale() const { return 1; }

    // Shows `dirty` (image coordinates, possibly empty) on screen now. Called by GdiFlush
    // once per animation frame; the window paces frames to its display here.
    virtual void present(const QRect& dirty) = 0;
};

// A context over `target`, which must outlive it. Release it with ReleaseDC.
HDC CreateWindowDC(WindowTarget* target);
bool ReleaseDC(HDC hdc);

// The area (device pixels of the image) of a window context's image written since the last GdiFlush
// or TakeDirtyRect; clears it. Empty for other contexts.
QRect TakeDirtyRect(HDC hdc);

// Marks part of a window context's image as changed by its owner (a clear, say).
void AddDirtyRect(HDC hdc, const QRect& rect);

} // namespace gdi
