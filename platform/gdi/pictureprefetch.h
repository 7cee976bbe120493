#pragma once
// A picture read and decoded on a thread of its own ahead of its load: the table starts
// reading its deck while it builds its window, and the deck at 2x and more took as long
// to decode as the window took to build. See PrefetchPicture in gdi.h.

#include "platform/gdi/gdi.h"

#include <QImage>
#include <QString>

#include <optional>

namespace gdi::PicturePrefetch {

// A picture as read ahead, with the area of the probe it was read for (none without one).
struct Picture {
    QImage image;
    std::optional<Area> area;
};

// Loads the picture of `path` at `scale` with `load` on a thread of its own, in place of
// any prefetch before. `load` must touch nothing but the file and the picture it makes.
using Load = Picture (*)(const QString& path, int scale, const std::optional<AreaProbe>& probe);
void start(const QString& path, int scale, std::optional<AreaProbe> probe, Load load);

// The prefetched picture of `path` at `scale`, waiting for it when it is not ready yet,
// with its area only when it was read for `probe`. Nothing when no prefetch of that path
// and scale is waiting, or when its load failed (the caller reads the file itself, which
// may have been put back since); a prefetch is taken once.
std::optional<Picture> take(const QString& path, int scale,
                            const std::optional<AreaProbe>& probe = std::nullopt);

} // namespace gdi::PicturePrefetch
