#include "picturecheck.h"

#include <QRect>

namespace halvane::klondike::test {

::testing::AssertionResult samePicture(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << "sizes differ: " << actual.width() << "x" << actual.height() << " against "
               << expected.width() << "x" << expected.height();
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    long count = 0;
    QRect box;
    QPoint first(-1, -1);
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if ((rowA[x] & 0xFFFFFF) == (rowB[x] & 0xFFFFFF))
                continue;
            if (count++ == 0)
                first = QPoint(x, y);
            box |= QRect(x, y, 1, 1);
        }
    }
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << count << " pixels differ, first at (" << first.x() << ", " << first.y()
           << "): " << std::hex << (a.pixel(first) & 0xFFFFFF) << " instead of "
           << (b.pixel(first) & 0xFFFFFF) << std::dec << "; all within (" << box.x() << ", "
           << box.y() << ") " << box.width() << "x" << box.height();
}

} // namespace halvane::klondike::test
