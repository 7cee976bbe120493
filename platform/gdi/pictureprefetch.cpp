#include "platform/gdi/pictureprefetch.h"

#include <future>

namespace gdi::PicturePrefetch {

namespace {

struct Waiting {
    QString path;
    int scale = 0;
    std::future<QImage> image;
};

// At exit a prefetch never taken is waited for here, before its thread could outlive the
// program's statics.
std::optional<Waiting>& waiting() {
    static std::optional<Waiting> prefetch;
    return prefetch;
}

} // namespace

void start(const QString& path, int scale, Load load) {
    waiting().reset();
    waiting() = Waiting{path, scale, std::async(std::launch::async, load, path, scale)};
}

std::optional<QImage> take(const QString& path, int scale) {
    std::optional<Waiting>& prefetch = waiting();
    if (!prefetch || prefetch->path != path || prefetch->scale != scale)
        return std::nullopt;
    std::future<QImage> image = std::move(prefetch->image);
    prefetch.reset();
    try {
        return image.get();
    } catch (...) {
        // Read again by the caller: the file may have been put back since.
        return std::nullopt;
    }
}

} // namespace gdi::PicturePrefetch
