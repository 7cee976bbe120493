#include "tests/dialogs/support/fakehost.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <stdexcept>

namespace halvane::test {

FakeHost::FakeHost(const QStringList& sheetFiles, const QString& currentDeck) {
    QDir(m_dir.path()).mkpath(QStringLiteral("cards"));
    for (int i = 0; i < sheetFiles.size(); ++i)
        sheet(i + 1).save(m_dir.filePath(QStringLiteral("cards/") + sheetFiles.at(i)), "BMP");
    m_settings.InstallDir = m_dir.path();
    m_settings.CurrentDeckFile = currentDeck;

    gdi::SetScreenPixels(QSize(640, 480));
    QImage table(640, 480, QImage::Format_RGB32);
    table.fill(TableColour);
    tableDc = gdi::CreateCompatibleDC(0);
    m_tableBitmap = gdi::CreateBitmapFromImage(table);
    gdi::SelectObject(tableDc, m_tableBitmap);
    recorder.SetCurrentDirectory(m_dir.path());
    recorder.InitializeDeck(tableDc, dorvik::Variant::fromString(currentDeck));
    recorder.clear();
}

FakeHost::~FakeHost() {
    // A test's hook may look at things of the test that are gone by now.
    recorder.onCall = nullptr;
    recorder.UnloadDeck();
    gdi::DeleteDC(tableDc); // deselects the bitmap, which can then go
    gdi::DeleteObject(m_tableBitmap);
}

void FakeHost::startGame(const QString& name, const QString& plugin) {
    if (onStartGame)
        onStartGame();
    if (brokenPlugins.contains(plugin))
        throw std::runtime_error("cannot create \"" + plugin.toStdString() + ".GamePlay\"");
    startedGames.append(name + QLatin1Char('|') + plugin);
    m_settings.CurrentGameName = name;
    m_settings.CurrentGamePlugin = plugin;
}

QImage FakeHost::sheet(int deck) {
    QImage image(936, 485, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 13; ++column) {
            const QRect cell(column * 72, row * 97, 71, 96);
            painter.fillRect(cell, QColor(40 * deck + 20, 19 * column + 8, 50 * row + 5));
            painter.fillRect(cell.adjusted(3, 3, -3, -88), QColor(255 - 40 * deck, 200, column));
        }
    }
    return image;
}

QImage FakeHost::cell(const QImage& image, int x, int y) {
    return image.copy(x, y, 71, 96).convertToFormat(QImage::Format_RGB32);
}

QImage FakeHost::drawnCard(int card) {
    QImage blank(71, 96, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const gdi::HDC scratch = gdi::CreateCompatibleDC(0);
    const gdi::HBITMAP bitmap = gdi::CreateBitmapFromImage(blank);
    gdi::SelectObject(scratch, bitmap);
    recorder.DrawCard(scratch, std::int16_t(card), 0, 0, com::True);
    const QImage drawn = gdi::SurfaceImage(scratch);
    gdi::DeleteDC(scratch);
    gdi::DeleteObject(bitmap);
    recorder.calls.removeLast();
    recorder.drawTargets.removeLast();
    return drawn;
}

QString FakeHost::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
    return path;
}

} // namespace halvane::test
