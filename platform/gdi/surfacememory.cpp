#include "platform/gdi/gdi.h"

#include <QImage>

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

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

// `length` bytes as mapAligned gives them, every page of them touched: the page faults,
// and the kernel's clearing of each page, are taken here.
void* mapTouched(std::size_t length) {
    void* start = mapAligned(length);
    if (start) {
        constexpr std::size_t kPage = 4096; // the smallest page there is
        for (std::size_t at = 0; at < length; at += kPage)
            static_cast<volatile char*>(start)[at] = 0;
    }
    return start;
}

// Memory being mapped and touched ahead (PrepareSurfaceMemory) for an image of `size`.
// A NewSurfaceImage of that size takes it only once it is ready, and never waits for it:
// on a busy machine the preparing thread may not have run yet, and mapping anew is then
// quicker than waiting. Another size of the same length (the deck picture read ahead on
// its own thread makes one) takes none.
struct Prepared {
    QSize size;
    std::size_t length = 0;
    void* start = nullptr; // once ready
    bool ready = false;
    bool released = false; // nobody takes it any more: unmapped once ready
};

// Never destroyed: a preparing thread may still run while the program exits.
std::mutex& preparedMutex() {
    static auto* mutex = new std::mutex;
    return *mutex;
}
std::vector<std::shared_ptr<Prepared>> prepared; // not yet taken nor released

// A ready block prepared for an image of `size`, or nullptr.
void* takePrepared(QSize size) {
    const std::lock_guard lock(preparedMutex());
    const auto it = std::find_if(prepared.begin(), prepared.end(), [size](const auto& p) {
        return p->size == size && p->ready && p->start;
    });
    if (it == prepared.end())
        return nullptr;
    void* start = (*it)->start;
    prepared.erase(it);
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

void PrepareSurfaceMemory(const std::vector<QSize>& sizes) {
    std::vector<std::shared_ptr<Prepared>> blocks;
    {
        const std::lock_guard lock(preparedMutex());
        for (const QSize size : sizes) {
            if (const std::size_t length = mappingLength(size); length > 0) {
                blocks.push_back(std::make_shared<Prepared>(Prepared{size, length}));
                prepared.push_back(blocks.back());
            }
        }
    }
    if (blocks.empty())
        return;
    std::thread([blocks = std::move(blocks)] {
        for (const std::shared_ptr<Prepared>& block : blocks) {
            void* start = mapTouched(block->length);
            std::unique_lock lock(preparedMutex());
            if (block->released) {
                lock.unlock();
                if (start)
                    munmap(start, block->length);
                continue;
            }
            block->start = start;
            block->ready = true;
        }
    }).detach();
}

void ReleasePreparedSurfaceMemory() {
    std::vector<std::shared_ptr<Prepared>> untaken;
    {
        const std::lock_guard lock(preparedMutex());
        untaken.swap(prepared);
        for (const std::shared_ptr<Prepared>& block : untaken)
            block->released = true;
    }
    for (const std::shared_ptr<Prepared>& block : untaken) {
        if (block->ready && block->start)
            munmap(block->start, block->length);
    }
}

QImage NewSurfaceImage(QSize size) {
    if (size.isEmpty())
        return QImage();
    const auto bytesPerLine = qsizetype(size.width()) * 4;
    const std::size_t length = mappingLength(size);
    if (length == 0) {
        const auto bytes = std::uint64_t(bytesPerLine) * std::uint64_t(size.height());
        return bytes < kHugePage ? QImage(size, QImage::Format_RGB32) : QImage();
    }
    void* start = takePrepared(size);
    if (!start)
        start = mapAligned(length);
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
