#include "platform/gdi/gdi.h"

#include "platform/gdi/blockcopy.h"
#include "platform/gdi/floodfill.h"
#include "platform/gdi/handletable.h"
#include "platform/gdi/pictureloader.h"
#include "platform/gdi/windowtarget.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

namespace gdi {

namespace {

constexpr int kMaxSide = 32767;
// A cap on one bitmap's pixels (1 GiB at 4 bytes each): 32767 x 32767 would ask for 4 GiB,
// which Linux may promise and then kill the process for when the bitmap is cleared.
constexpr qint64 kMaxPixels = qint64(1) << 28;
constexpr int kTwipsPerPixel = 15;

HandleTable& table() {
    return HandleTable::instance();
}

// Pixels hold 0xFFRRGGBB; colours 0x00BBGGRR. The top byte of a colour is ignored.
QRgb toPixel(COLORREF color) {
    return 0xFF000000u | ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
COLORREF toColor(QRgb pixel) {
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

QImage* surfaceOf(HDC hdc, DeviceContext** context = nullptr) {
    DeviceContext* dc = table().dc(hdc);
    if (context)
        *context = dc;
    return dc ? dc->surface() : nullptr;
}

bool sizeAllowed(qint64 width, qint64 height) {
    return width >= 1 && width <= kMaxSide && height >= 1 && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

HBITMAP adoptImage(QImage image) {
    if (image.isNull() || !sizeAllowed(image.width(), image.height()))
        return 0;
    return table().addBitmap(std::move(image));
}

QSize& screenOverride() {
    static QSize pixels;
    return pixels;
}

} // namespace

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc != 0 && !table().dc(hdc))
        return 0;
    return table().addMemoryDC();
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    if (!table().dc(hdc) || !sizeAllowed(width, height))
        return 0;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) // out of memory
        return 0;
    image.fill(0xFF000000u);
    return adoptImage(std::move(image));
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
    return table().select(hdc, obj);
}

bool DeleteObject(HGDIOBJ obj) {
    return table().deleteBitmap(obj);
}

bool DeleteDC(HDC hdc) {
    return table().deleteMemoryDC(hdc);
}

bool BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, std::uint32_t rop) {
    if (rop != SRCCOPY || cx < 0 || cy < 0)
        return false;
    DeviceContext* target = nullptr;
    QImage* to = surfaceOf(dst, &target);
    QImage* from = surfaceOf(src);
    if (!to || !from)
        return false;
    const BlockCopy copy = BlockCopy::plan(to->size(), {x, y}, {cx, cy}, from->size(), {x1, y1});
    if (copy.isEmpty())
        return true;
    copy.run(*to, *from);
    target->addDirty(copy.destinationRect());
    return true;
}

bool ExtFloodFill(HDC hdc, int x, int y, COLORREF color, unsigned type) {
    if (type != FLOODFILLSURFACE && type != FLOODFILLBORDER)
        return false;
    DeviceContext* context = nullptr;
    QImage* image = surfaceOf(hdc, &context);
    if (!image)
        return false;
    const auto mode = type == FLOODFILLSURFACE ? FloodFill::Mode::Surface : FloodFill::Mode::Border;
    QRect painted;
    if (!FloodFill::run(*image, {x, y}, toPixel(color), mode, toPixel(context->fillColor()),
                        &painted))
        return false;
    context->addDirty(painted);
    return true;
}

COLORREF SetDCBrushColor(HDC hdc, COLORREF color) {
    DeviceContext* context = table().dc(hdc);
    if (!context)
        return CLR_INVALID;
    const COLORREF previous = context->fillColor();
    context->setFillColor(color & 0x00FFFFFFu);
    return previous;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    const QImage* image = surfaceOf(hdc);
    if (!image || !image->rect().contains(x, y))
        return CLR_INVALID;
    return toColor(reinterpret_cast<const QRgb*>(image->constScanLine(y))[x]);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* context = nullptr;
    QImage* image = surfaceOf(hdc, &context);
    if (!image || !image->rect().contains(x, y))
        return CLR_INVALID;
    reinterpret_cast<QRgb*>(image->scanLine(y))[x] = toPixel(color);
    context->addDirty(QRect(x, y, 1, 1));
    return color & 0x00FFFFFFu;
}

QSize GetSurfaceSize(HDC hdc) {
    const QImage* image = surfaceOf(hdc);
    return image ? image->size() : QSize();
}

bool GdiFlush(HDC hdc) {
    DeviceContext* context = table().dc(hdc);
    if (!context)
        return false;
    context->countFrame();
    if (WindowTarget* window = context->target()) {
        // Everything is settled before present(): the window may run its event loop
        // there, and a handler may release this very context.
        const QRect dirty = context->takeDirty();
        window->present(dirty);
    }
    return true;
}

long FrameCount(HDC hdc) {
    const DeviceContext* context = table().dc(hdc);
    return context ? context->frames() : 0;
}

HBITMAP LoadPicture(const QString& path) {
    const HBITMAP bitmap = adoptImage(PictureLoader::load(path));
    if (bitmap == 0)
        throw Error(QStringLiteral("Cannot load picture \"%1\": picture too large")
                        .arg(path)
                        .toStdString());
    return bitmap;
}

HBITMAP CreateBitmapFromImage(const QImage& image) {
    if (image.isNull())
        return 0;
    // copy() after the conversion: converting an RGB32 image returns a shared copy.
    return adoptImage(image.convertToFormat(QImage::Format_RGB32).copy());
}

QImage SurfaceImage(HDC hdc) {
    const QImage* image = surfaceOf(hdc);
    return image ? image->copy() : QImage();
}

QSize GetScreenTwips() {
    QSize pixels = screenOverride();
    if (pixels.isEmpty()) {
        const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        const QScreen* screen = app ? QGuiApplication::primaryScreen() : nullptr;
        pixels = screen ? screen->size() : QSize(1920, 1080);
    }
    return pixels * kTwipsPerPixel;
}

void SetScreenPixels(QSize pixels) {
    screenOverride() = pixels.isEmpty() ? QSize() : pixels.boundedTo(QSize(kMaxSide, kMaxSide));
}

int LiveDCCount() {
    return table().dcCount();
}

int LiveBitmapCount() {
    return table().bitmapCount();
}

HDC CreateWindowDC(WindowTarget* target) {
    return target ? table().addWindowDC(target) : 0;
}

bool ReleaseDC(HDC hdc) {
    return table().releaseWindowDC(hdc);
}

QRect TakeDirtyRect(HDC hdc) {
    DeviceContext* context = table().dc(hdc);
    return context ? context->takeDirty() : QRect();
}

void AddDirtyRect(HDC hdc, const QRect& rect) {
    if (DeviceContext* context = table().dc(hdc))
        context->addDirty(rect);
}

} // namespace gdi
