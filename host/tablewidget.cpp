#include "host/tablewidget.h"

#include "host/mousecodes.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <thread>

namespace halvane {

namespace {

// The engine copies the whole table with the screen's extent, so the image has to be at
// least that large wherever the window is.
QSize screenTablePixels() {
    const QSize twips = gdi::GetScreenTwips();
    return QSize(int(std::lround(twips.width() / 15.0)), int(std::lround(twips.height() / 15.0)));
}

} // namespace

TableWidget::TableWidget(TableEvents& events, QWidget* parent) : QWidget(parent), m_events(events) {
    setMouseTracking(true); // games see every move, with or without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    m_scale = gdi::TableScale();
    coverAtLeast(screenTablePixels() * m_scale);
    m_hdc = gdi::CreateWindowDC(this);
}

void TableWidget::setTableScale(int scale) {
    if (scale < 1 || scale > gdi::kMaxTableScale || scale == m_scale)
        return;
    m_scale = scale;
    m_surface = QImage();
    coverAtLeast(screenTablePixels() * m_scale);
    coverAtLeast(toDevice(size()));
    update();
}

TableWidget::~TableWidget() {
    gdi::ReleaseDC(m_hdc);
}

void TableWidget::clear(const QColor& color) {
    m_surface.fill(color);
    gdi::AddDirtyRect(m_hdc, m_surface.rect());
}

void TableWidget::presentChanges() {
    showImage(gdi::TakeDirtyRect(m_hdc));
}

void TableWidget::present(const QRect& dirty) {
    if (m_pace.count() > 0 && m_lastFrame.isValid()) {
        const auto spent = std::chrono::milliseconds(m_lastFrame.elapsed());
        if (spent < m_pace)
            std::this_thread::sleep_for(m_pace - spent);
    }
    showImage(dirty);
    m_lastFrame.restart();
}

void TableWidget::showImage(const QRect& rect) {
    const QRect visible = toWidget(rect) & this->rect();
    if (visible.isEmpty())
        return;
    m_presenting = true;
    repaint(visible);
    m_presenting = false;
}

void TableWidget::paintEvent(QPaintEvent* event) {
    if (!m_presenting) {
        m_events.Form_Paint();
        // Form_Paint may have changed the image beyond the area this paint covers; that
        // part is shown as a frame of its own once this paint is done.
        const QRect dirty = gdi::TakeDirtyRect(m_hdc);
        const QRect changed = toWidget(dirty) & rect();
        if (!(QRegion(changed) - event->region()).isEmpty()) {
            gdi::AddDirtyRect(m_hdc, dirty);
            QMetaObject::invokeMethod(this, &TableWidget::presentChanges, Qt::QueuedConnection);
        }
    }
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    for (const QRect& part : event->region()) {
        const QRectF device(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio);
        painter.drawImage(QRectF(part), m_surface, device);
    }
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    coverAtLeast(toDevice(size()));
    m_events.Form_Resize();
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    seen(event);
    m_held |= event->button();
    m_releasedEarly &= ~event->button();
    m_events.Form_MouseDown(MouseCodes::button(event->button()),
                            MouseCodes::shift(event->modifiers()), float(m_pointer.x()),
                            float(m_pointer.y()));
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    seen(event);
    m_events.Form_MouseMove(MouseCodes::button(event->buttons() & ~m_releasedEarly),
                            MouseCodes::shift(event->modifiers()), float(m_pointer.x()),
                            float(m_pointer.y()));
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    seen(event);
    m_held &= ~event->button();
    if (m_releasedEarly & event->button()) {
        m_releasedEarly &= ~event->button();
        return;
    }
    m_events.Form_MouseUp(MouseCodes::button(event->button()),
                          MouseCodes::shift(event->modifiers()), float(m_pointer.x()),
                          float(m_pointer.y()));
}

void TableWidget::releaseHeldButtons() {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (!(m_held & button))
            continue;
        m_held &= ~button;
        m_releasedEarly |= button;
        m_events.Form_MouseUp(MouseCodes::button(button), MouseCodes::shift(m_modifiers),
                              float(m_pointer.x()), float(m_pointer.y()));
    }
}

void TableWidget::seen(const QMouseEvent* event) {
    m_pointer = toTable(event->position());
    m_modifiers = event->modifiers();
}

// Under X a double click arrives as press, release, double click, release. The default
// handler would turn the double click into a second press; the game gets it as what it is.
void TableWidget::mouseDoubleClickEvent(QMouseEvent*) {
    m_events.Form_DblClick();
}

QRect TableWidget::toWidget(const QRect& device) const {
    const qreal ratio = devicePixelRatioF();
    return QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio).toAlignedRect();
}

QSize TableWidget::toDevice(QSize logical) const {
    return (QSizeF(logical) * devicePixelRatioF()).toSize();
}

QPointF TableWidget::toTable(QPointF logical) const {
    return logical * devicePixelRatioF() / m_scale;
}

void TableWidget::coverAtLeast(QSize deviceSize) {
    // Whole table pixels only, so that every table pixel of the image is s x s.
    const auto whole = [this](int side) { return (side + m_scale - 1) / m_scale * m_scale; };
    const QSize size(whole(deviceSize.width()), whole(deviceSize.height()));
    const QSize wanted = size.expandedTo(m_surface.size()).expandedTo(QSize(m_scale, m_scale));
    if (wanted == m_surface.size())
        return;
    QImage grown = gdi::NewSurfaceImage(wanted);
    grown.fill(Qt::white);
    if (!m_surface.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_surface);
    }
    m_surface = std::move(grown);
    if (m_hdc != 0)
        gdi::AddDirtyRect(m_hdc, m_surface.rect());
}

} // namespace halvane
