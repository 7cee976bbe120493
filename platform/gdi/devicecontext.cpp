#include "platform/gdi/devicecontext.h"

#include "platform/gdi/windowtarget.h"

namespace gdi {

DeviceContext::DeviceContext(HBITMAP handle, Bitmap* bitmap)
    : m_bitmapHandle(handle), m_bitmap(bitmap) {}

DeviceContext::DeviceContext(WindowTarget* target) : m_target(target) {}

QImage* DeviceContext::surface() const {
    QImage* image = m_target ? &m_target->surface() : (m_bitmap ? &m_bitmap->image : nullptr);
    if (!image || image->isNull() || image->depth() != 32)
        return nullptr;
    return image;
}

void DeviceContext::select(HBITMAP handle, Bitmap* bitmap) {
    m_bitmapHandle = handle;
    m_bitmap = bitmap;
}

void DeviceContext::addDirty(const QRect& rect) {
    if (!m_target)
        return;
    const QImage* image = surface();
    if (!image)
        return;
    const QRect clipped = rect.intersected(image->rect());
    if (!clipped.isEmpty())
        m_dirty |= clipped;
}

QRect DeviceContext::takeDirty() {
    const QRect dirty = m_dirty;
    m_dirty = QRect();
    return dirty;
}

} // namespace gdi
