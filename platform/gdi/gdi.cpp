#include "platform/gdi/gdi.h"

#include "platform/gdi/blockcopy.h"
#include "platform/gdi/floodfill.h"
#include "platform/gdi/handletable.h"
#include "platform/gdi/pictureloader.h"
#include "platform/gdi/pictureprefetch.h"
#include "platform/gdi/scaledpicture.h"
#include "platform/gdi/windowtarget.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <algorithm>
#include <cstring>
#include <span>

namespace gdi {

namespace {

constexpr int kMaxSide = 32767;
// A cap on one bitmap's pixels (1 GiB at 4 bytes each): 32767 x 32767 would ask for 4 GiB,
// which Linux may promise and then kill the process for when the bitmap is cleared.
constexpr qint64 kMaxPixels = qint64(1) << 28;
constexpr int kTwipsPerPixel = 15;
// The least table Automatic keeps: room for the widest game at any scale.
constexpr QSize kLeastTable(960, 540);

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

// A context's pixels with their scale; `image` is null when there are none.
struct Surface {
    QImage* image = nullptr;
    int scale = 1;
    DeviceContext* context = nullptr;

    // The extent in table pixels; device pixels beyond the last whole table pixel (a
    // window's image may have some) are never drawn on.
    QSize tableSize() const { return {image->width() / scale, image->height() / scale}; }
    bool holds(int x, int y) const {
        return x >= 0 && y >= 0 && x < image->width() / scale && y < image->height() / scale;
    }
};

// Pixels that are `Prepared` may be read and written; `Unprepared` ones only measured, or
// used in the part readied by DeviceContext::prepareRead() or prepareOverwrite().
enum class Pixels { Prepared, Unprepared };

Surface surfaceOf(HDC hdc, Pixels pixels = Pixels::Prepared) {
    DeviceContext* dc = table().dc(hdc);
    if (!dc)
        return {};
    const int scale = dc->scale();
    QImage* image = pixels == Pixels::Prepared ? dc->surface() : dc->unpreparedSurface();
    if (scale < 1 || scale > kMaxTableScale)
        image = nullptr;
    return {image, scale, dc};
}

bool sizeAllowed(qint64 width, qint64 height, int scale = 1) {
    width *= scale;
    height *= scale;
    return width >= 1 && width <= kMaxSide && height >= 1 && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

HBITMAP adoptImage(QImage image, int scale = 1) {
    if (image.isNull() || !sizeAllowed(image.width(), image.height()) || scale < 1 ||
        scale > kMaxTableScale || image.width() % scale != 0 || image.height() % scale != 0)
        return 0;
    return table().addBitmap(std::move(image), scale);
}

QSize& screenOverride() {
    static QSize pixels;
    return pixels;
}

int& tableScale() {
    static int scale = 1;
    return scale;
}

} // namespace

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc == 0)
        return table().addMemoryDC(TableScale());
    const DeviceContext* like = table().dc(hdc);
    return like ? table().addMemoryDC(like->compatibleScale()) : 0;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    const DeviceContext* like = table().dc(hdc);
    if (!like)
        return 0;
    const int scale = like->compatibleScale();
    if (!sizeAllowed(width, height, scale))
        return 0;
    QImage image = NewSurfaceImage(QSize(width * scale, height * scale));
    if (image.isNull()) // out of memory
        return 0;
    const HBITMAP bitmap = adoptImage(std::move(image), scale);
    if (bitmap != 0)
        table().bitmap(bitmap)->blackPending = PendingBlack(QSize(width * scale, height * scale));
    return bitmap;
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
    const Surface from = surfaceOf(src, Pixels::Unprepared);
    const Surface to = surfaceOf(dst, Pixels::Unprepared);
    if (!to.image || !from.image)
        return false;
    const BlockCopy copy =
        BlockCopy::plan(to.tableSize(), {x, y}, {cx, cy}, from.tableSize(), {x1, y1});
    if (copy.isEmpty())
        return true;
    // The source first: it may be the destination itself.
    const QRect read(copy.sourceTopLeft() * from.scale, copy.destinationRect().size() * from.scale);
    from.context->prepareRead(read);
    to.context->prepareOverwrite(copy.scaled(to.scale).destinationRect());
    copy.run(*to.image, to.scale, *from.image, from.scale);
    to.context->addDirty(copy.scaled(to.scale).destinationRect());
    return true;
}

bool ExtFloodFill(HDC hdc, int x, int y, COLORREF color, unsigned type) {
    if (type != FLOODFILLSURFACE && type != FLOODFILLBORDER)
        return false;
    const Surface surface = surfaceOf(hdc);
    if (!surface.image || !surface.holds(x, y))
        return false;
    const auto mode = type == FLOODFILLSURFACE ? FloodFill::Mode::Surface : FloodFill::Mode::Border;
    QRect painted;
    // The seed's top-left device pixel: every device pixel of a table pixel has its colour
    // on a scaled surface, so the area found is the table area, scaled.
    const QPoint seed(x * surface.scale, y * surface.scale);
    if (!FloodFill::run(*surface.image, {&seed, 1}, toPixel(color), mode,
                        toPixel(surface.context->fillColor()), &painted))
        return false;
    surface.context->addDirty(painted);
    return true;
}

// Finds areas for FloodArea on a context and for LoadPicture on a picture not yet one.
class AreaFinder {
public:
    // The area of `color` joined to `points` (table pixels) on `image` (device pixels at
    // `scale`), painted with `paint` as it is found; the device pixels painted are bounded
    // by `painted`. With `paint` equal to `color`, nothing changes.
    static Area flood(QImage& image, int scale, std::span<const QPoint> points, COLORREF color,
                      COLORREF paint, QRect* painted = nullptr) {
        Area area;
        area.m_surface = image.size();
        const QRect table(0, 0, image.width() / scale, image.height() / scale);
        std::vector<QPoint> starts;
        for (const QPoint point : points) {
            if (table.contains(point))
                starts.push_back(point * scale);
        }
        std::vector<FloodFill::Run> runs;
        if (!FloodFill::run(image, starts, toPixel(color), FloodFill::Mode::Surface,
                            toPixel(paint), painted, &runs))
            return area;
        area.m_runs.reserve(runs.size());
        for (const FloodFill::Run& run : runs)
            area.m_runs.push_back({run.y, run.left, run.right});
        return area;
    }

    static Area find(QImage& image, int scale, const AreaProbe& probe) {
        return flood(image, scale, probe.points, probe.color, probe.color);
    }
};

Area FloodArea(HDC hdc, std::initializer_list<QPoint> points, COLORREF color, COLORREF paint) {
    const Surface surface = surfaceOf(hdc);
    if (!surface.image)
        return Area();
    QRect painted;
    Area area = AreaFinder::flood(*surface.image, surface.scale,
                                  std::span(points.begin(), points.size()), color, paint,
                                  &painted);
    if (!area.isEmpty())
        surface.context->addDirty(painted);
    return area;
}

bool FillArea(HDC hdc, const Area& area, COLORREF color) {
    const Surface surface = surfaceOf(hdc);
    if (!surface.image || surface.image->size() != area.m_surface)
        return false;
    const QRgb pixel = toPixel(color);
    QRect painted;
    for (const Area::Run& run : area.m_runs) {
        auto* row = reinterpret_cast<QRgb*>(surface.image->scanLine(run.y));
        std::fill(row + run.left, row + run.right + 1, pixel);
        painted |= QRect(run.left, run.y, run.right - run.left + 1, 1);
    }
    surface.context->addDirty(painted);
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
    const Surface surface = surfaceOf(hdc, Pixels::Unprepared);
    if (!surface.image || !surface.holds(x, y))
        return CLR_INVALID;
    const int s = surface.scale;
    surface.context->prepareRead(QRect(x * s, y * s, 1, 1));
    return toColor(reinterpret_cast<const QRgb*>(surface.image->constScanLine(y * s))[x * s]);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    const Surface surface = surfaceOf(hdc, Pixels::Unprepared);
    if (!surface.image || !surface.holds(x, y))
        return CLR_INVALID;
    const int s = surface.scale;
    surface.context->prepareOverwrite(QRect(x * s, y * s, s, s));
    for (int row = 0; row < s; ++row) {
        auto* line = reinterpret_cast<QRgb*>(surface.image->scanLine(y * s + row)) + x * s;
        std::fill(line, line + s, toPixel(color));
    }
    surface.context->addDirty(QRect(x * s, y * s, s, s));
    return color & 0x00FFFFFFu;
}

QSize GetSurfaceSize(HDC hdc) {
    const Surface surface = surfaceOf(hdc, Pixels::Unprepared);
    return surface.image ? surface.tableSize() : QSize();
}

int GetSurfaceScale(HDC hdc) {
    const Surface surface = surfaceOf(hdc, Pixels::Unprepared);
    return surface.image ? surface.scale : 0;
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

namespace {

void checkPictureScale(const QString& path, int scale) {
    if (scale < 1 || scale > kMaxTableScale)
        throw Error(QStringLiteral("Cannot load picture \"%1\" at scale %2: the scale is not "
                                   "1 to %3")
                        .arg(path)
                        .arg(scale)
                        .arg(kMaxTableScale)
                        .toStdString());
}

// The pixels LoadPicture makes a bitmap of; touches no handle, so a prefetch runs it too.
QImage loadPictureImage(const QString& path, int scale) {
    const QByteArray bytes = PictureLoader::read(path);
    return scale == 1 ? PictureLoader::decode(bytes, path)
                      : ScaledPicture::load(path, bytes, scale);
}

PicturePrefetch::Picture readAhead(const QString& path, int scale,
                                   const std::optional<AreaProbe>& probe) {
    PicturePrefetch::Picture picture{loadPictureImage(path, scale), std::nullopt};
    if (probe)
        picture.area = AreaFinder::find(picture.image, scale, *probe);
    return picture;
}

// The picture of `path` at `scale`, read ahead or read now.
PicturePrefetch::Picture takeOrRead(const QString& path, int scale,
                                    const std::optional<AreaProbe>& probe) {
    checkPictureScale(path, scale);
    if (std::optional<PicturePrefetch::Picture> picture = PicturePrefetch::take(path, scale, probe))
        return std::move(*picture);
    return {loadPictureImage(path, scale), std::nullopt};
}

HBITMAP adoptPicture(const QString& path, QImage image, int scale) {
    const HBITMAP bitmap = adoptImage(std::move(image), scale);
    if (bitmap == 0)
        throw Error(QStringLiteral("Cannot load picture \"%1\": picture too large")
                        .arg(path)
                        .toStdString());
    return bitmap;
}

} // namespace

void PrefetchPicture(const QString& path, int scale, std::optional<AreaProbe> probe) {
    if (scale >= 1 && scale <= kMaxTableScale)
        PicturePrefetch::start(path, scale, std::move(probe), readAhead);
}

HBITMAP LoadPicture(const QString& path, int scale) {
    return adoptPicture(path, takeOrRead(path, scale, std::nullopt).image, scale);
}

HBITMAP LoadPicture(const QString& path, int scale, const AreaProbe& probe, Area& area) {
    PicturePrefetch::Picture picture = takeOrRead(path, scale, probe);
    if (!picture.area)
        picture.area = AreaFinder::find(picture.image, scale, probe);
    const HBITMAP bitmap = adoptPicture(path, std::move(picture.image), scale);
    area = std::move(*picture.area);
    return bitmap;
}

namespace {

// A deep copy of an RGB32 image on surface memory, where every large bitmap lies: copies
// between bitmaps keep their speed only when their rows share offsets within a page.
QImage surfaceCopy(const QImage& image) {
    QImage copy = NewSurfaceImage(image.size());
    const auto rowBytes = std::size_t(copy.width()) * sizeof(QRgb);
    for (int y = 0; y < copy.height(); ++y)
        std::memcpy(copy.scanLine(y), image.constScanLine(y), rowBytes);
    return copy;
}

} // namespace

HBITMAP CreateBitmapFromImage(const QImage& image, int scale) {
    if (image.isNull())
        return 0;
    return adoptImage(surfaceCopy(image.convertToFormat(QImage::Format_RGB32)), scale);
}

QImage SurfaceImage(HDC hdc) {
    const Surface surface = surfaceOf(hdc);
    return surface.image ? surfaceCopy(*surface.image) : QImage();
}

QSize ScreenDevicePixels() {
    QSize pixels = screenOverride();
    if (pixels.isEmpty()) {
        const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        const QScreen* screen = app ? QGuiApplication::primaryScreen() : nullptr;
        pixels = screen ? (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize()
                        : QSize(1920, 1080);
    }
    return pixels;
}

QSize GetScreenTwips() {
    const QSize pixels = ScreenDevicePixels();
    const int scale = TableScale();
    return QSize(pixels.width() / scale, pixels.height() / scale) * kTwipsPerPixel;
}

int TableScale() {
    return tableScale();
}

bool SetTableScale(int scale) {
    if (scale < 1 || scale > kMaxTableScale)
        return false;
    tableScale() = scale;
    return true;
}

int AutomaticTableScale(QSize screenDevicePixels) {
    for (int scale = kMaxTableScale; scale > 1; --scale) {
        if (screenDevicePixels.width() / scale >= kLeastTable.width() &&
            screenDevicePixels.height() / scale >= kLeastTable.height())
            return scale;
    }
    return 1;
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

int GetCompatibleScale(HDC hdc) {
    if (hdc == 0)
        return TableScale();
    const DeviceContext* context = table().dc(hdc);
    return context ? context->compatibleScale() : 0;
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
