#include "host/dialogs/busycursor.h"

namespace halvane {

BusyCursor::BusyCursor(QWidget* window) : m_window(window) {
    if (!m_window)
        return;
    m_hadCursor = m_window->testAttribute(Qt::WA_SetCursor);
    m_previous = m_window->cursor();
    m_window->setCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    if (!m_window)
        return;
    if (m_hadCursor)
        m_window->setCursor(m_previous);
    else
        m_window->unsetCursor();
}

} // namespace halvane
