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
    void coverAtLeast(QSize size);
    void seen(const QMouseEvent* event);
    void showImage(const QRect& rect);

    TableEvents& m_events;
    QImage m_surface;
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
