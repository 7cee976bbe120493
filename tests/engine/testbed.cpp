#include "tests/engine/testbed.h"

#include "engine/fixedseed.h"
#include "engine/module1.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <map>

namespace dorvik::test {

QImage makeSheet(int variant) {
    static std::map<int, QImage> made;
    if (const auto it = made.find(variant); it != made.end()) {
        return it->second;
    }
    QImage sheet(936, 485, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 13; ++col) {
            const int index = row * 13 + col;
            const int x0 = col * 72;
            const int y0 = row * 97;
            const int red = (20 + index * 3 + variant * 29) & 0xff;
            for (int y = 0; y < kH; ++y) {
                auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y0 + y));
                for (int x = 0; x < kW; ++x) {
                    line[x0 + x] = qRgb(red, 10 + x * 3, 20 + y * 2);
                }
            }
            const QPoint corners[4] = {{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}};
            for (const QPoint c : corners) {
                const int dx = c.x() == 0 ? 1 : -1;
                const int dy = c.y() == 0 ? 1 : -1;
                sheet.setPixel(x0 + c.x(), y0 + c.y(), qRgb(0, 0, 0));
                sheet.setPixel(x0 + c.x() + dx, y0 + c.y(), qRgb(0, 0, 0));
                sheet.setPixel(x0 + c.x(), y0 + c.y() + dy, qRgb(0, 0, 0));
            }
            for (int y = 46; y < 49; ++y) {
                for (int x = 34; x < 37; ++x) {
                    sheet.setPixel(x0 + x, y0 + y, qRgb(0, 0, 0));
                }
            }
        }
    }
    made.emplace(variant, sheet);
    return sheet;
}

QImage tableBackground(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = qRgb(0x40 | (x & 0x3f), 0x80 | (y & 0x7f), (x * 5 + y * 3) & 0xff);
        }
    }
    return image;
}

QImage drawReference(const QImage& background, const QImage& sheet,
                     const std::vector<Placed>& pictures) {
    QImage image = background.copy();
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const Placed& p : pictures) {
        painter.drawImage(p.at, sheet, QRect(p.cell, QSize(kW, p.rows)));
    }
    return image;
}

testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xffffff;
            const QRgb e = expected.pixel(x, y) & 0xffffff;
            if (a != e) {
                return testing::AssertionFailure()
                       << "first difference at (" << x << ", " << y << "): "
                       << QStringLiteral("%1, expected %2")
                              .arg(a, 6, 16, QLatin1Char('0'))
                              .arg(e, 6, 16, QLatin1Char('0'))
                              .toStdString();
            }
        }
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult AreaShows(const QImage& image, QRect area, const QImage& expected) {
    return SameImage(image.copy(area), expected.copy(QRect(QPoint(0, 0), area.size())));
}

QPoint faceCell(int suit, int value) {
    return {(value - 1) * 72, (suit - 1) * 97};
}

void Testbed::SetUp() {
    ResetModule1();
    SetFixedSeed(std::nullopt);
    gdi::SetScreenPixels(kScreen);
    m_liveDCs = gdi::LiveDCCount();
    m_liveBitmaps = gdi::LiveBitmapCount();
    ASSERT_TRUE(m_dir.isValid());
    m_sheet = makeSheet(0);
    m_other = makeSheet(1);
    writeSheet(QStringLiteral("Standard.bmp"), m_sheet);
    writeSheet(QStringLiteral("Other.bmp"), m_other);
    m_engine.SetCurrentDirectory(m_dir.path());
    m_window = newWindow();
}

void Testbed::TearDown() {
    ResetModule1();
    SetFixedSeed(std::nullopt);
    for (const auto& [dc, stock] : m_windows) {
        const gdi::HGDIOBJ bitmap = gdi::SelectObject(dc, stock);
        gdi::DeleteDC(dc);
        gdi::DeleteObject(bitmap);
    }
    m_windows.clear();
    gdi::SetScreenPixels(QSize());
    gdi::SetTableScale(1);
    // Everything the engine and the test made is gone again: nothing leaked, nothing
    // was freed twice.
    EXPECT_EQ(gdi::LiveDCCount(), m_liveDCs);
    EXPECT_EQ(gdi::LiveBitmapCount(), m_liveBitmaps);
}

gdi::HDC Testbed::newWindow(const QImage& picture) {
    const int scale = gdi::TableScale();
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    const gdi::HBITMAP bitmap = gdi::CreateBitmapFromImage(
        picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation),
        scale);
    const gdi::HGDIOBJ stock = gdi::SelectObject(dc, bitmap);
    EXPECT_NE(dc, 0);
    EXPECT_NE(stock, 0);
    m_windows.emplace_back(dc, stock);
    return dc;
}

gdi::HDC Testbed::newWindow() {
    return newWindow(tableBackground(kScreen));
}

QImage Testbed::tableCopy() {
    return imageOf(module1().TableCopyDC);
}

QImage Testbed::saveUnder() {
    return imageOf(module1().SaveUnderDC);
}

QImage Testbed::tablePixels(const QImage& device) {
    const int s = gdi::TableScale();
    if (s == 1 || device.isNull())
        return device;
    QImage table(device.width() / s, device.height() / s, QImage::Format_RGB32);
    int broken = 0;
    for (int y = 0; y < table.height(); ++y) {
        for (int x = 0; x < table.width(); ++x) {
            const QRgb pixel = device.pixel(x * s, y * s);
            table.setPixel(x, y, pixel);
            for (int k = 0; k < s * s; ++k)
                broken += device.pixel(x * s + k % s, y * s + k / s) != pixel;
        }
    }
    EXPECT_EQ(broken, 0) << "device pixels that differ from their table pixel's block";
    return table;
}

void Testbed::useScale(int scale) {
    ASSERT_TRUE(gdi::SetTableScale(scale));
    // The screen is given in device pixels: the same table, `scale` times larger.
    gdi::SetScreenPixels(kScreen * scale);
    m_window = newWindow();
}

void Testbed::writeSheet(const QString& name, const QImage& image) {
    QDir().mkpath(m_dir.filePath(QStringLiteral("cards")));
    ASSERT_TRUE(image.save(m_dir.filePath(QStringLiteral("cards/") + name), "BMP"));
}

void Testbed::writeFile(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(m_dir.filePath(QStringLiteral("cards")));
    QFile file(m_dir.filePath(QStringLiteral("cards/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void Testbed::deal(const std::vector<Deal>& deals) {
    for (const Deal& d : deals) {
        m_engine.SetCardStatus(std::int16_t(d.card), d.faceDown ? com::False : com::True);
        m_engine.DealCard(m_window, std::int16_t(d.card), std::int16_t(d.x), std::int16_t(d.y));
    }
}

Testbed::Table Testbed::freshTable(const std::vector<Deal>& deals, int stackOffset) {
    const gdi::HDC dc = newWindow();
    EXPECT_EQ(m_engine.InitializeDeck(dc), com::True);
    m_engine.SetOffset(std::int16_t(stackOffset));
    for (const Deal& d : deals) {
        m_engine.SetCardStatus(std::int16_t(d.card), d.faceDown ? com::False : com::True);
        m_engine.DealCard(dc, std::int16_t(d.card), std::int16_t(d.x), std::int16_t(d.y));
    }
    return {imageOf(dc), tableCopy()};
}

void Testbed::initialize() {
    ASSERT_EQ(m_engine.InitializeDeck(m_window), com::True);
}

} // namespace dorvik::test
