#include "platform/gdi/devicecontext.h"

#include "platform/gdi/windowtarget.h"

namespace gdi {

DeviceContext::DeviceContext(HBITMAP handle, Bitmap* bitmap, int compatibleScale)
    : m_bitmapHandle(handle), m_bitmap(bitmap), m_compatibleScale(compatibleScale) {}

DeviceContext::DeviceContext(WindowTarget* target) : m_target(target) {}

QImage* DeviceContext::surface() const {
    if (m_bitmap)
        m_bitmap->blackPending.prepareRead(m_bitmap->image, m_bitmap->image.rect());
    return unpreparedSurface();
}

QImage* DeviceContext::unpreparedSurface() const {
    QImage* image = m_target ? &m_target->surface() : (m_bitmap ? &m_bitmap->image : nullptr);
    if (!image || image->isNull() || image->depth() != 32)
        return nullptr;
    return image;
}

void DeviceContext::prepareRead(const QRect& deviceRect) const {
    if (m_bitmap)
        m_bitmap->blackPending.prepareRead(m_bitmap->image, deviceRect);
}

void DeviceContext::prepareOverwrite(const QRect& deviceRect) const {
    if (m_bitmap)
        m_bitmap->blackPending.prepareOverwrite(m_bitmap->image, deviceRect);
}

int DeviceContext::scale() const {
    if (m_target)
        return m_target->scale();
    return m_bitmap ? m_bitmap->scale : 1;
}

int DeviceContext::compatibleScale() const {
    return m_target ? m_target->scale() : m_compatibleScale;
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
