#pragma once
// The drawing surface of a chooser dialog: an image the size of the dialog's client
// area, registered with the drawing system as a window device context, so the card
// engine can draw previews onto the dialog as it draws onto the table. The dialog paints
// the image first and its child widgets paint over it.

#include "platform/gdi/windowtarget.h"

#include <QColor>
#include <QImage>
#include <QPointer>

class QPainter;
class QWidget;

namespace halvane {

class DialogCanvas final : public gdi::WindowTarget {
public:
    // `window` shows the canvas and is asked to repaint what the drawing system presents;
    // it is not owned. `size` in pixels, `background` the colour the image starts with.
    DialogCanvas(QWidget* window, QSize size, const QColor& background);
    ~DialogCanvas() override; // releases the device context

    DialogCanvas(const DialogCanvas&) = delete;
    DialogCanvas& operator=(const DialogCanvas&) = delete;

    // The device context over the image (0 when the drawing system refused one).
    gdi::HDC hdc() const { return m_hdc; }
    const QImage& image() const { return m_image; }

    // Paints `rect` (pixels) with the background colour, and has the window repaint it.
    void clear(const QRect& rect);

    // Shows the part `rect` of the image at the same place of the window.
    void paint(QPainter& painter, const QRect& rect) const;

    // gdi::WindowTarget
    QImage& surface() override { return m_image; }
    void present(const QRect& dirty) override;

private:
    QPointer<QWidget> m_window;
    QImage m_image;
    QColor m_background;
    gdi::HDC m_hdc = 0;
};

} // namespace halvane
