#pragma once
// The table: a widget that shows a backing image registered as a window device context.
// The card engine draws into the image through the context's handle (hDC); the widget
// shows the image and hands paints and mouse events to its TableEvents.
//
// Two kinds of repaint meet here. A paint the window system asks for goes to
// TableEvents::Form_Paint first (which restores the table from the engine's copy) and
// then shows the image. A frame the host or the engine presents (presentChanges,
// GdiFlush -> present) only shows the image: restoring from the engine's copy there
// would wipe what lives on the window alone, such as a card being dragged.

#include "host/tableevents.h"
#include "platform/gdi/windowtarget.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <chrono>

namespace halvane {

class TableWidget : public QWidget, public gdi::WindowTarget {
    Q_OBJECT
public:
    // `events` must outlive the widget.
    explicit TableWidget(TableEvents& events, QWidget* parent = nullptr);
    ~TableWidget() override;

    // The window device context over the backing image; valid for the widget's lifetime.
    gdi::HDC hDC() const { return m_hdc; }

    // Device pixels of the backing image per table pixel (the table scale, 1 to 4).
    // Changing it makes a new image of the screen's extent at the new scale, white; the
    // context's handle stays. Mouse positions reach the table in table pixels.
    void setTableScale(int scale);
    int tableScale() const { return m_scale; }
    // The client area in table pixels: what a game lays its table out for.
    QSize tableSize() const { return toDevice(size()) / m_scale; }

    // Fills the whole backing image (at least the screen's extent) with `color` and
    // marks it changed; shown by the next presentChanges or paint.
    void clear(const QColor& color);

    // Shows at once what was drawn into the image since the last frame, without asking
    // the table window to restore anything.
    void presentChanges();

    // The least time between two presented animation frames; 0 presents at full speed
    // (tests). About 60 frames a second by default.
    void setFramePace(std::chrono::milliseconds pace) { m_pace = pace; }
    std::chrono::milliseconds framePace() const { return m_pace; }

    // Ends a press on the table before its time, as a command that covers the table must:
    // every button held gets its Form_MouseUp now, at the pointer's last place on the
    // table. The real release that comes later is then not delivered a second time, and
    // moves no longer report the button. Does nothing when no button is held.
    void releaseHeldButtons();

    // gdi::WindowTarget
    QImage& surface() override { return m_surface; }
    int scale() const override { return m_scale; }
    void present(const QRect& dirty) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The table shows no focus: gaining or losing it repaints nothing (a paint restores
    // the table from the engine's copy, which would hide a card being dragged).
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    // Grows the image to at least `deviceSize`, in whole table pixels.
    void coverAtLeast(QSize deviceSize);
    // Keeps the pointer's place on the table (in table pixels) and the keys held.
    void seen(const QMouseEvent* event);
    void showImage(const QRect& rect);
    // Between the widget's logical pixels and the image's device pixels.
    QRect toWidget(const QRect& device) const;
    QSize toDevice(QSize logical) const;
    QPointF toTable(QPointF logical) const;

    TableEvents& m_events;
    QImage m_surface;
    int m_scale = 1;
    gdi::HDC m_hdc = 0;
    bool m_presenting = false;
    std::chrono::milliseconds m_pace{16};
    QElapsedTimer m_lastFrame;
    Qt::MouseButtons m_held;          // pressed on the table, release not yet delivered
    Qt::MouseButtons m_releasedEarly; // released by releaseHeldButtons, really still down
    QPointF m_pointer;                // the last place the mouse was seen on the table
    Qt::KeyboardModifiers m_modifiers;
};

} // namespace halvane
