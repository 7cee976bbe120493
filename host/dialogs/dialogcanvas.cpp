#include "host/dialogs/dialogcanvas.h"

#include <QPainter>
#include <QWidget>

namespace halvane {

DialogCanvas::DialogCanvas(QWidget* window, QSize size, const QColor& background)
    : m_window(window), m_image(size, QImage::Format_RGB32), m_background(background) {
    m_image.fill(m_background);
    m_hdc = gdi::CreateWindowDC(this);
}

DialogCanvas::~DialogCanvas() {
    if (m_hdc != 0)
        gdi::ReleaseDC(m_hdc);
}

void DialogCanvas::clear(const QRect& rect) {
    const QRect area = rect & m_image.rect();
    if (area.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.fillRect(area, m_background);
    painter.end();
    if (m_window)
        m_window->update(area);
}

void DialogCanvas::paint(QPainter& painter, const QRect& rect) const {
    const QRect area = rect & m_image.rect();
    if (!area.isEmpty())
        painter.drawImage(area.topLeft(), m_image, area);
}

void DialogCanvas::present(const QRect& dirty) {
    // Only schedules a repaint: a synchronous one would run the dialog's paint handler,
    // and with it the engine, from inside the engine call that presents.
    if (m_window && !dirty.isEmpty())
        m_window->update(dirty);
}

} // namespace halvane
