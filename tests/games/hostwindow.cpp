#include "hostwindow.h"

#include "tabletestbed.h"

#include "engine/class1.h"
#include "host/tablewidget.h"
#include "platform/gdi/gdi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <stdexcept>

namespace halvane::klondike::test {

HostWindow::HostWindow(const QImage& sheet, const QVariantMap& gameSettings,
                       const GameEntry& game) {
    QFile ini(m_home.filePath("solitaire.ini"));
    if (!m_home.isValid() || !QDir(m_home.path()).mkpath("cards") ||
        !sheet.save(m_home.filePath("cards/Test.bmp"), "BMP") || !ini.open(QIODevice::WriteOnly)) {
        throw std::runtime_error("cannot write the table folder");
    }
    const QByteArray entry = (game.name + '=' + game.plugin).toLatin1();
    ini.write("[Decks]\r\nTest=Test.bmp\r\n-\r\n[Games]\r\n" + entry + "\r\n-\r\n" +
              "[Current Deck]\r\nTest.bmp\r\n[Current Game]\r\n" + entry + "\r\n" +
              "[WebSite]\r\n\r\n[Card Back]\r\n 1 \r\n\r\n");
    ini.close();
    QSettings settings(m_home.filePath("gamedata/" + game.name + "/settings.ini"),
                       QSettings::IniFormat);
    for (auto it = gameSettings.begin(); it != gameSettings.end(); ++it) {
        settings.setValue(it.key(), it.value());
    }
    qputenv("HALVANE_HOME", m_home.path().toLocal8Bit());
}

HostWindow::~HostWindow() {
    qunsetenv("HALVANE_HOME");
}

QColor HostWindow::TableColour::chooseColor(QWidget*, const QColor&) {
    const std::uint32_t c = TableTestBed::TableColour;
    return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

QImage HostWindow::picture(const Form1& form) {
    return gdi::SurfaceImage(form.hDC())
        .copy(0, 0, TableTestBed::ScreenWidth, TableTestBed::ScreenHeight);
}

std::unique_ptr<Form1> HostWindow::open() {
    auto form =
        std::make_unique<Form1>(std::make_unique<dorvik::Class1>(), m_reporter, m_colours, m_files);
    form->table()->setFramePace(std::chrono::milliseconds(0));
    if (form->startUp() != 0 || !QTest::qWaitForWindowExposed(form.get())) {
        throw std::runtime_error("the table window did not start");
    }
    for (int i = 0; i < 500 && form->firstPaint(); ++i) {
        QTest::qWait(10);
    }
    if (form->firstPaint()) {
        throw std::runtime_error("the table window was never painted");
    }
    // The refresh the first paint asks for runs once the paint is over.
    QCoreApplication::processEvents();
    return form;
}

} // namespace halvane::klondike::test
