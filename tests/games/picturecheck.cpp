#include "picturecheck.h"

namespace halvane::klondike::test {

::testing::AssertionResult samePicture(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    long count = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if ((rowA[x] & 0xFFFFFF) != (rowB[x] & 0xFFFFFF) && count++ == 0)
                first = QPoint(x, y);
    }
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << count << " pixels differ, the first at (" << first.x() << ", " << first.y() << ")";
}

} // namespace halvane::klondike::test
