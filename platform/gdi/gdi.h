#pragma once
// The drawing system: device contexts, bitmaps and block copies, named as the card
// engine's algorithms name them. One process-wide handle table serves the host, the
// engine and every game plug-in, so this is a shared library.
//
// Units: table pixels. A surface of scale s (1 to 4) holds s x s device pixels for each
// table pixel; every coordinate and size below is in table pixels and is mapped here.
// Memory contexts and bitmaps take the scale of the context they are made compatible with
// (a window's, or the table scale for 0); a copy between two scales picks the nearest
// source pixel. Colours: COLORREF, 0x00BBGGRR; the top byte of a colour passed in is
// ignored. Bitmaps are 32-bit RGB surfaces.
// Handles are 32-bit integers; 0 is never a valid handle. A stale or unknown handle is
// refused (the call returns false, 0 or CLR_INVALID) and nothing is touched.
//
// Clipping: every copy and fill is clipped against the destination and the source
// surface. Pixels whose source lies outside the source surface are left alone in the
// destination. No call ever reads or writes outside a surface, whatever the coordinates.
//
// Single-threaded: call from the thread that owns the windows. NewSurfaceImage alone may
// be called from any thread.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <vector>

class QImage;

namespace gdi {

using HDC = std::int32_t;
using HBITMAP = std::int32_t;
using HGDIOBJ = std::int32_t;
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return COLORREF(r & 0xff) | (COLORREF(g & 0xff) << 8) | (COLORREF(b & 0xff) << 16);
}
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr int kMaxTableScale = 4;

constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr unsigned FLOODFILLBORDER = 0;
constexpr unsigned FLOODFILLSURFACE = 1;

// Raised by the picture loader; the message names the file and what is wrong with it.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --- Device contexts and bitmaps -----------------------------------------------------

// A new memory device context. `hdc` is the context to be compatible with; 0 (the table
// scale) or any live context (its scale) will do. Returns 0 when `hdc` is neither 0 nor live. The
// new context holds the process's 1x1 stock bitmap (SelectObject hands it back) and a white fill
// colour.
HDC CreateCompatibleDC(HDC hdc);

// A new bitmap of width x height table pixels at the scale of `hdc`, cleared to black.
// Returns 0 when `hdc` is not a live context, the size in device pixels is not in 1..32767
// on both axes, or the bitmap would hold more than 2^28 device pixels (1 GiB).
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);

// Selects bitmap `obj` into memory context `hdc` and returns the bitmap it held before,
// or 0 (and changes nothing) when either handle is not live, `hdc` is a window context,
// or the bitmap is already selected into another context.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj);

// Deletes a bitmap. Refused (false) for a bitmap selected into a context, for the stock
// bitmap and for handles that are not live bitmaps.
bool DeleteObject(HGDIOBJ obj);

// Deletes a memory context; the bitmap selected into it is deselected, not deleted.
bool DeleteDC(HDC hdc);

// Copies a cx x cy block from (x1, y1) of `src` to (x, y) of `dst` (plain copy; `rop`
// must be SRCCOPY). Source and destination may be the same context and may overlap.
// False for a handle that is not live, a context without a surface, a negative size or
// another rop; true otherwise, also when clipping leaves nothing to copy.
bool BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, std::uint32_t rop);

// Fills the 4-connected area around (x, y): with FLOODFILLSURFACE the area of colour
// `color`, with FLOODFILLBORDER the area bounded by `color`. Paints with the context's
// fill colour (SetDCBrushColor). False, painting nothing, when the point lies outside the
// surface, when in surface mode it is not of `color`, when in border mode it is of
// `color` itself, or when `type` is neither mode. Filling an area with its own colour
// changes nothing and succeeds.
bool ExtFloodFill(HDC hdc, int x, int y, COLORREF color, unsigned type);

// Sets the fill colour used by ExtFloodFill; returns the previous one, or CLR_INVALID.
COLORREF SetDCBrushColor(HDC hdc, COLORREF color);

// The pixels of one colour joined to given points of a surface, as FloodArea found them,
// kept to be painted again whatever colours they hold by then: the deck's background is
// refilled for every new table colour without keeping a copy of the sheet as loaded.
class Area {
public:
    bool isEmpty() const { return m_runs.empty(); }

private:
    friend class AreaFinder;
    friend bool FillArea(HDC, const Area&, COLORREF);

    struct Run {
        int y, left, right; // device pixels, both ends included
    };
    std::vector<Run> m_runs;
    QSize m_surface; // device pixels of the surface found on
};

// Paints the 4-connected area of pixels of `color` joined to any of `points` (table
// pixels) on the surface of `hdc` with `paint`, as ExtFloodFill paints the area around one
// point in surface mode, and returns the area as found. Points outside the surface or not
// of `color` add nothing; a bad handle gives an empty area. With `paint` equal to `color`
// nothing changes: the area is only found.
Area FloodArea(HDC hdc, std::initializer_list<QPoint> points, COLORREF color, COLORREF paint);

// Paints `area` on the surface of `hdc` with `color`. False, painting nothing, for a bad
// handle or a surface of another size than the one the area was found on.
bool FillArea(HDC hdc, const Area& area, COLORREF color);

// Reads or writes one pixel; CLR_INVALID outside the surface or for a bad handle.
COLORREF GetPixel(HDC hdc, int x, int y);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);

// Width and height of the surface of a context (table pixels); an empty size for a bad
// handle.
QSize GetSurfaceSize(HDC hdc);

// Device pixels per table pixel of the surface of a context; 0 for a bad handle.
int GetSurfaceScale(HDC hdc);

// The scale of what CreateCompatibleBitmap makes from `hdc` (the table scale for 0); 0 for
// a bad handle.
int GetCompatibleScale(HDC hdc);

// Marks the end of an animation frame on `hdc`. A window context presents the area
// changed since the last frame at once, paced by its window (see WindowTarget); a memory
// context only counts the frame. False for a handle that is not live.
bool GdiFlush(HDC hdc);

// Frames ended on `hdc` by GdiFlush since it was created (tests count them).
long FrameCount(HDC hdc);

// --- Pictures --------------------------------------------------------------------------

// Loads a BMP file (1, 4, 8, 16, 24 or 32 bits, uncompressed or RLE) into a new bitmap
// owned by the caller. Throws gdi::Error naming the file and the fault when the file is
// missing, unreadable, not an ordinary file, larger than 1 GiB, truncated, not a BMP
// picture, a run-length picture larger than its data can describe (see BmpHeader) or
// larger than CreateCompatibleBitmap allows. Pixels a run-length picture leaves unset
// are its palette colour 0.
//
// At `scale` above 1 the bitmap has that scale: the picture `Name@<scale>x.png` beside
// `Name.bmp` when there is one, else the BMP enlarged pixel for pixel. A larger picture
// that is broken or not exactly `scale` times the BMP's size is set aside with a message
// on standard error. Throws gdi::Error for a scale outside 1 to 4.
HBITMAP LoadPicture(const QString& path, int scale = 1);

// An area LoadPicture finds on a picture as loaded: the pixels of `color` joined to
// `points` (table pixels), as FloodArea finds them.
struct AreaProbe {
    std::vector<QPoint> points;
    COLORREF color = 0;
    bool operator==(const AreaProbe&) const = default;
};

// LoadPicture(path, scale), and in `area` the area of `probe` on the picture as loaded,
// for FillArea to paint later. Found on the prefetch's thread when PrefetchPicture was
// given the same probe: on a deck picture that has just been decoded elsewhere and is no
// longer in this processor's cache, finding its background took the start one to four
// milliseconds. Throws as LoadPicture does.
HBITMAP LoadPicture(const QString& path, int scale, const AreaProbe& probe, Area& area);

// Starts reading and decoding the picture LoadPicture(path, scale) loads on a thread of its
// own, so that it is ready once the caller has built its windows; the next LoadPicture of
// that path and scale takes it from there, with the area of `probe` when it asks for the
// same one. Only the file is read ahead: a later LoadPicture of another path or scale, or
// after a read ahead that failed, loads as ever, and a later prefetch replaces this one.
// A scale outside 1 to 4 starts nothing.
void PrefetchPicture(const QString& path, int scale,
                     std::optional<AreaProbe> probe = std::nullopt);

// A new bitmap of `scale` holding a copy of `image` (device pixels; tests and tools build
// pictures this way); 0 for a null image, one larger than CreateCompatibleBitmap allows,
// a scale outside 1 to 4 or a size that is not a multiple of the scale.
HBITMAP CreateBitmapFromImage(const QImage& image, int scale = 1);

// A copy of the surface of a context in device pixels, or a null image for a bad handle.
QImage SurfaceImage(HDC hdc);

// A new Format_RGB32 image of `size` device pixels for a large surface (the table window's
// image, say), its pixels not set; a null image for an empty size or when memory is short.
// A large one lies on memory the kernel may back with huge pages: a full-screen surface at
// 2x is first touched in a fraction of the page faults, which were most of its cost.
QImage NewSurfaceImage(QSize size);

// --- Screen ----------------------------------------------------------------------------

// The primary screen's size in device pixels (logical pixels times the device pixel
// ratio). Without a screen (tests, headless tools) a fixed 1920 x 1080 pixel screen, or
// the size set below.
QSize ScreenDevicePixels();

// The screen's size in twips: whole table pixels of the screen at the table scale, x 15.
QSize GetScreenTwips();

// Fixes the screen size in device pixels for tests and headless runs; an empty size
// returns to the real screen. Each side is capped at 32767.
void SetScreenPixels(QSize pixels);

// The table scale: device pixels per table pixel of the table window and the engine's
// surfaces, 1 until set. Setting it changes only what is made from then on and the
// screen size reported; false, changing nothing, outside 1 to 4.
int TableScale();
bool SetTableScale(int scale);

// The largest scale (1 to 4) at which a screen of `screenDevicePixels` still holds at
// least 960 x 540 table pixels; 1 when even that is too small.
int AutomaticTableScale(QSize screenDevicePixels);

// --- Bookkeeping for tests -------------------------------------------------------------

int LiveDCCount();     // memory and window contexts alive
int LiveBitmapCount(); // bitmaps alive, the stock bitmap not counted

} // namespace gdi
