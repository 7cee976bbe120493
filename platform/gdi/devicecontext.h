#pragma once
// One device context of the handle table: a memory context drawing into its selected
// bitmap, or a window context drawing into the image its window shows.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi.h"

#include <QRect>

namespace gdi {

class WindowTarget;

class DeviceContext {
public:
    // A memory context holding `bitmap` (not owned; lives in the handle table), whose new
    // bitmaps get `compatibleScale` device pixels per table pixel.
    DeviceContext(HBITMAP handle, Bitmap* bitmap, int compatibleScale = 1);
    // A window context over `target` (not owned; must outlive the context).
    explicit DeviceContext(WindowTarget* target);

    bool isWindow() const { return m_target != nullptr; }
    WindowTarget* target() const { return m_target; }

    // The pixels drawn on, or nullptr when there are none to draw on: a window whose image
    // is null or not 32 bits a pixel. Asked afresh each call, since a window may replace
    // its image between calls.
    QImage* surface() const;
    // The same pixels, of which a new bitmap's may not all be black yet: for a caller that
    // reads only their size, or that readies the part it uses with the calls below.
    QImage* unpreparedSurface() const;
    // Readies `deviceRect` of the selected bitmap to be read (see Bitmap::blackPending).
    void prepareRead(const QRect& deviceRect) const;
    // Readies `deviceRect` of the selected bitmap to be written in full.
    void prepareOverwrite(const QRect& deviceRect) const;

    // Device pixels per table pixel of the surface drawn on now: the window's, or the
    // selected bitmap's.
    int scale() const;
    // The scale CreateCompatibleBitmap and CreateCompatibleDC give what they make from
    // this context: the window's, or the one the memory context was made with.
    int compatibleScale() const;

    HBITMAP selectedHandle() const { return m_bitmapHandle; }
    Bitmap* selectedBitmap() const { return m_bitmap; }
    void select(HBITMAP handle, Bitmap* bitmap);

    COLORREF fillColor() const { return m_fill; }
    void setFillColor(COLORREF color) { m_fill = color; }

    // Grows the written area of a window context by `rect` (device pixels of the image, clipped
    // to the surface). Memory contexts keep no written area.
    void addDirty(const QRect& rect);
    QRect takeDirty();

    long frames() const { return m_frames; }
    void countFrame() { ++m_frames; }

private:
    WindowTarget* m_target = nullptr;
    HBITMAP m_bitmapHandle = 0;
    Bitmap* m_bitmap = nullptr;
    int m_compatibleScale = 1;
    COLORREF m_fill = RGB(255, 255, 255);
    QRect m_dirty;
    long m_frames = 0;
};

} // namespace gdi
