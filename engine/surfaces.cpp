#include "engine/surfaces.h"

#include "engine/module1.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

std::int32_t Surfaces::create(std::int32_t like, int width, int height) {
    const gdi::HDC dc = gdi::CreateCompatibleDC(like);
    if (dc == 0) {
        return 0;
    }
    const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(dc, width, height);
    if (bitmap == 0) {
        gdi::DeleteDC(dc);
        return 0;
    }
    return record(dc, bitmap);
}

std::int32_t Surfaces::holding(std::int32_t like, std::int32_t bitmap) {
    const gdi::HDC dc = gdi::CreateCompatibleDC(like);
    if (dc == 0) {
        gdi::DeleteObject(bitmap);
        return 0;
    }
    return record(dc, bitmap);
}

std::int32_t Surfaces::record(std::int32_t dc, std::int32_t bitmap) {
    const gdi::HGDIOBJ stock = gdi::SelectObject(dc, bitmap);
    if (stock == 0) {
        gdi::DeleteObject(bitmap);
        gdi::DeleteDC(dc);
        return 0;
    }
    m_state.SurfaceDC.push_back(dc);
    m_state.SurfaceBitmap.push_back(bitmap);
    m_state.SurfaceOldBitmap.push_back(stock);
    m_state.SurfaceCount = std::int16_t(m_state.SurfaceDC.size());
    return dc;
}

bool Surfaces::replaceBitmap(std::int32_t dc, std::int32_t bitmap) {
    for (std::size_t i = 0; i < m_state.SurfaceDC.size(); ++i) {
        if (m_state.SurfaceDC[i] != dc || dc == 0) {
            continue;
        }
        const gdi::HGDIOBJ previous = gdi::SelectObject(dc, bitmap);
        if (previous == 0) {
            break;
        }
        gdi::DeleteObject(previous);
        m_state.SurfaceBitmap[i] = bitmap;
        return true;
    }
    gdi::DeleteObject(bitmap);
    return false;
}

void Surfaces::releaseAll() {
    for (std::size_t i = 0; i < m_state.SurfaceDC.size(); ++i) {
        // Put the stock bitmap back, then free the context before its bitmap: a bitmap
        // still selected somewhere cannot be deleted.
        gdi::SelectObject(m_state.SurfaceDC[i], m_state.SurfaceOldBitmap[i]);
        gdi::DeleteDC(m_state.SurfaceDC[i]);
        gdi::DeleteObject(m_state.SurfaceBitmap[i]);
    }
    m_state.SurfaceDC.clear();
    m_state.SurfaceBitmap.clear();
    m_state.SurfaceOldBitmap.clear();
    m_state.SurfaceCount = 0;
    m_state.DeckDC = 0;
    m_state.SaveUnderDC = 0;
    m_state.TableCopyDC = 0;
    m_state.InTableCopy.fill(TableCopyPlace{});
    m_state.SheetBackground = gdi::Area();
}

} // namespace dorvik
