#include "platform/gdi/gdi.h"

#include <QImage>

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace gdi {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
// The pixels start where malloc's large blocks start, two words past a page boundary, as
// Qt's own images (the window's backing store among them) do: a copy between rows whose
// offsets within a page differ by a few bytes runs at a third of the speed, the processor
// taking each store for one that the next load may depend on.
constexpr std::size_t kStart = 2 * sizeof(std::size_t);

std::size_t roundUp(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// The pages an image sits on, given back when its last copy goes.
struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// `length` bytes (a multiple of the huge page) starting on a huge page, or nullptr. More
// is asked for than needed so that an aligned start lies within; the rest is given back.
void* mapAligned(std::size_t length) {
    void* base = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED)
        return nullptr;
    const auto address = reinterpret_cast<std::uintptr_t>(base);
    const std::size_t head = (kHugePage - address % kHugePage) % kHugePage;
    if (head > 0)
        munmap(base, head);
    munmap(static_cast<char*>(base) + head + length, kHugePage - head);
    void* start = static_cast<char*>(base) + head;
    // Advice only: a kernel without huge pages gives ordinary ones.
    madvise(start, length, MADV_HUGEPAGE);
    return start;
}

// The length of the mapping for an image of `size`, or 0 for one left to Qt's own
// allocation (small) or too large to map.
std::size_t mappingLength(QSize size) {
    const auto bytes = std::uint64_t(size.width()) * 4 * std::uint64_t(size.height());
    if (size.isEmpty() || bytes < kHugePage || bytes > std::numeric_limits<std::size_t>::max() / 2)
        return 0;
    return roundUp(kStart + std::size_t(bytes));
}

} // namespace

QImage NewSurfaceImage(QSize size) {
    if (size.isEmpty())
        return QImage();
    const auto bytesPerLine = qsizetype(size.width()) * 4;
    const std::size_t length = mappingLength(size);
    if (length == 0) {
        const auto bytes = std::uint64_t(bytesPerLine) * std::uint64_t(size.height());
        return bytes < kHugePage ? QImage(size, QImage::Format_RGB32) : QImage();
    }
    void* start = mapAligned(length);
    if (!start)
        return QImage();
    auto* mapping = new Mapping{start, length};
    QImage image(static_cast<uchar*>(start) + kStart, size.width(), size.height(), bytesPerLine,
                 QImage::Format_RGB32, unmap, mapping);
    if (image.isNull()) // a size QImage refuses: it never took the pages
        unmap(mapping);
    return image;
}

} // namespace gdi
