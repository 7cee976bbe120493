#include "platform/gdi/handletable.h"

#include <limits>

namespace gdi {

namespace {
// The stock bitmap has a fixed handle; every other object gets one above it.
constexpr std::int32_t kStockHandle = 1;
constexpr std::int32_t kFirstHandle = 0x100;
} // namespace

HandleTable& HandleTable::instance() {
    static HandleTable table;
    return table;
}

HandleTable::HandleTable() : m_stockHandle(kStockHandle), m_next(kFirstHandle) {
    m_stock.image = QImage(1, 1, QImage::Format_RGB32);
    m_stock.image.fill(0xFF000000u);
}

bool HandleTable::inUse(std::int32_t handle) const {
    return handle == m_stockHandle || m_dcs.count(handle) || m_bitmaps.count(handle);
}

std::int32_t HandleTable::nextHandle() {
    // The loop ends: fewer than 2^31 objects can be alive at once.
    for (;;) {
        const std::int32_t handle = m_next;
        m_next = (m_next == std::numeric_limits<std::int32_t>::max()) ? kFirstHandle : m_next + 1;
        if (!inUse(handle))
            return handle;
    }
}

HDC HandleTable::addMemoryDC(int compatibleScale) {
    const HDC handle = nextHandle();
    m_dcs.emplace(handle, DeviceContext(m_stockHandle, &m_stock, compatibleScale));
    return handle;
}

HDC HandleTable::addWindowDC(WindowTarget* target) {
    const HDC handle = nextHandle();
    m_dcs.emplace(handle, DeviceContext(target));
    return handle;
}

HBITMAP HandleTable::addBitmap(QImage image, int scale) {
    const HBITMAP handle = nextHandle();
    m_bitmaps.emplace(handle, Bitmap{std::move(image), scale, 0, PendingBlack()});
    return handle;
}

DeviceContext* HandleTable::dc(HDC handle) {
    const auto it = m_dcs.find(handle);
    return it == m_dcs.end() ? nullptr : &it->second;
}

Bitmap* HandleTable::bitmap(HBITMAP handle) {
    if (handle == m_stockHandle)
        return &m_stock;
    const auto it = m_bitmaps.find(handle);
    return it == m_bitmaps.end() ? nullptr : &it->second;
}

HBITMAP HandleTable::select(HDC hdc, HBITMAP obj) {
    DeviceContext* context = dc(hdc);
    Bitmap* wanted = bitmap(obj);
    if (!context || !wanted || context->isWindow())
        return 0;
    const HBITMAP previous = context->selectedHandle();
    if (obj == previous)
        return previous;
    if (!isStock(obj) && wanted->selectedInto != 0)
        return 0;
    if (Bitmap* old = context->selectedBitmap(); old && !isStock(previous))
        old->selectedInto = 0;
    if (!isStock(obj))
        wanted->selectedInto = hdc;
    context->select(obj, wanted);
    return previous;
}

bool HandleTable::deleteBitmap(HBITMAP obj) {
    const auto it = m_bitmaps.find(obj);
    if (it == m_bitmaps.end() || it->second.selectedInto != 0)
        return false;
    m_bitmaps.erase(it);
    return true;
}

bool HandleTable::deleteMemoryDC(HDC hdc) {
    const auto it = m_dcs.find(hdc);
    if (it == m_dcs.end() || it->second.isWindow())
        return false;
    if (Bitmap* held = it->second.selectedBitmap(); held && !isStock(it->second.selectedHandle()))
        held->selectedInto = 0;
    m_dcs.erase(it);
    return true;
}

bool HandleTable::releaseWindowDC(HDC hdc) {
    const auto it = m_dcs.find(hdc);
    if (it == m_dcs.end() || !it->second.isWindow())
        return false;
    m_dcs.erase(it);
    return true;
}

} // namespace gdi
