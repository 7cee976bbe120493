#pragma once
// A picture read and decoded on a thread of its own ahead of its load: the table starts
// reading its deck while it builds its window, and the deck at 2x and more took as long
// to decode as the window took to build. See PrefetchPicture in gdi.h.

#include <QImage>
#include <QString>

#include <optional>

namespace gdi::PicturePrefetch {

// Loads the picture of `path` at `scale` with `load` on a thread of its own, in place of
// any prefetch before. `load` must touch nothing but the file and the image it makes.
using Load = QImage (*)(const QString& path, int scale);
void start(const QString& path, int scale, Load load);

// The prefetched picture of `path` at `scale`, waiting for it when it is not ready yet.
// Nothing when no prefetch of that path and scale is waiting, or when its load failed (the
// caller reads the file itself, which may have been put back since); a prefetch is taken
// once.
std::optional<QImage> take(const QString& path, int scale);

} // namespace gdi::PicturePrefetch
