#include "platform/gdi/pictureprefetch.h"

#include <future>

namespace gdi::PicturePrefetch {

namespace {

struct Waiting {
    QString path;
    int scale = 0;
    std::optional<AreaProbe> probe;
    std::future<Picture> picture;
};

// At exit a prefetch never taken is waited for here, before its thread could outlive the
// program's statics.
std::optional<Waiting>& waiting() {
    static std::optional<Waiting> prefetch;
    return prefetch;
}

} // namespace

void start(const QString& path, int scale, std::optional<AreaProbe> probe, Load load) {
    waiting().reset();
    // The thread gets copies: the caller's may be gone by the time it runs.
    std::future<Picture> picture = std::async(std::launch::async, load, path, scale, probe);
    waiting() = Waiting{path, scale, std::move(probe), std::move(picture)};
}

std::optional<Picture> take(const QString& path, int scale,
                            const std::optional<AreaProbe>& probe) {
    std::optional<Waiting>& prefetch = waiting();
    if (!prefetch || prefetch->path != path || prefetch->scale != scale)
        return std::nullopt;
    std::future<Picture> future = std::move(prefetch->picture);
    const bool sameProbe = prefetch->probe == probe;
    prefetch.reset();
    try {
        Picture picture = future.get();
        if (!sameProbe)
            picture.area.reset();
        return picture;
    } catch (...) {
        // Read again by the caller: the file may have been put back since.
        return std::nullopt;
    }
}

} // namespace gdi::PicturePrefetch
