#pragma once
// A window for the drawing tests: shows a plain image and records every present().

#include "platform/gdi/windowtarget.h"

#include <QImage>

#include <functional>
#include <vector>

namespace gdi::test {

class FakeWindow : public WindowTarget {
public:
    explicit FakeWindow(QSize size) : m_image(size, QImage::Format_RGB32) {
        m_image.fill(0xFF000000u);
    }

    QImage& surface() override { return m_image; }
    void present(const QRect& dirty) override {
        m_presented.push_back(dirty);
        if (m_onPresent)
            m_onPresent();
    }

    QImage m_image;
    std::vector<QRect> m_presented;
    std::function<void()> m_onPresent; // runs inside present(), as an event loop might
};

} // namespace gdi::test
