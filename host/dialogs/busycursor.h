#pragma once
// Shows the wait cursor over a window while a handler runs, and puts back what the
// window showed before when it ends (also when it ends by an exception). Nested guards
// keep the wait cursor until the outermost one ends.

#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace halvane {

class BusyCursor {
public:
    explicit BusyCursor(QWidget* window); // not owned; may be destroyed meanwhile
    ~BusyCursor();

    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_hadCursor = false;
    QCursor m_previous;
};

} // namespace halvane
