#pragma once
// The process-wide table of device contexts and bitmaps behind the drawing calls.
//
// Handles are positive 32-bit integers drawn from a counter that only wraps after 2^31
// objects, so the handle of a deleted object is not handed out again for a very long
// time: a stale handle finds nothing instead of somebody else's object. The table owns
// every bitmap and context; pointers it returns stay valid until that object is removed.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/devicecontext.h"
#include "platform/gdi/gdi.h"

#include <unordered_map>

namespace gdi {

class WindowTarget;

class HandleTable {
public:
    static HandleTable& instance();

    HandleTable();
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;

    // New objects; the image must be Format_RGB32 and unshared.
    HDC addMemoryDC(int compatibleScale = 1);
    HDC addWindowDC(WindowTarget* target);
    HBITMAP addBitmap(QImage image, int scale = 1);

    // Live objects, or nullptr. The stock bitmap is found too.
    DeviceContext* dc(HDC handle);
    Bitmap* bitmap(HBITMAP handle);
    bool isStock(HBITMAP handle) const { return handle == m_stockHandle; }

    // SelectObject, DeleteObject, DeleteDC and ReleaseDC with their refusals; see gdi.h.
    HBITMAP select(HDC hdc, HBITMAP obj);
    bool deleteBitmap(HBITMAP obj);
    bool deleteMemoryDC(HDC hdc);
    bool releaseWindowDC(HDC hdc);

    int dcCount() const { return int(m_dcs.size()); }
    int bitmapCount() const { return int(m_bitmaps.size()); }

private:
    std::int32_t nextHandle();
    bool inUse(std::int32_t handle) const;

    std::unordered_map<std::int32_t, DeviceContext> m_dcs;
    std::unordered_map<std::int32_t, Bitmap> m_bitmaps;
    Bitmap m_stock;
    HBITMAP m_stockHandle;
    std::int32_t m_next;
};

} // namespace gdi
