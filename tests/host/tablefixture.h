#pragma once
// What the table window's tests share: a table folder with a settings file and a deck
// picture, fake dialogs and reporter, and one table window over a recording engine.

#include "fixturelog.h"

#include "host/errorreporter.h"
#include "host/filechooser.h"
#include "host/form1.h"
#include "host/tablewidget.h"
#include "tests/support/recordingengine.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace halvane::test {

using fixture::FixtureLog;

// The Game menu's entries for the optional game operations.
const QStringList ExtraEntries{"mnuRestart", "mnuDealNumber", "mnuUndo",
                               "mnuRedo",    "mnuHint",       "mnuStatistics"};

// The settings file as SaveSettings writes it.
struct SettingsText {
    QString deckFile = QStringLiteral("Test.bmp");
    QString gameName = QStringLiteral("Recording Game");
    QString plugin = QStringLiteral("Recording");
    QString webSite = QStringLiteral("www.example.org");
    QString back = QStringLiteral(" 5 ");

    QByteArray bytes() const {
        const QStringList lines{"[Decks]",
                                "Test Deck=Test.bmp",
                                "-",
                                "[Games]",
                                "Recording Game=Recording",
                                "-",
                                "[Current Deck]",
                                deckFile,
                                "[Current Game]",
                                gameName + "=" + plugin,
                                "[WebSite]",
                                webSite,
                                "[Card Back]",
                                back,
                                ""};
        return (lines.join("\r\n") + "\r\n").toLatin1();
    }
};

// A deck picture of the real size: black grid gaps around grey cells.
inline QImage deckPicture() {
    QImage sheet(936, 485, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 13; ++column)
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 71; ++x)
                    sheet.setPixel(column * 72 + x, row * 97 + y, qRgb(100 + row, 150, column));
    return sheet;
}

// A temporary install directory (HALVANE_HOME) with a settings file and a deck picture.
class TestHome {
public:
    explicit TestHome(const std::optional<QByteArray>& settings) {
        qputenv("HALVANE_HOME", m_dir.path().toLocal8Bit());
        QDir(m_dir.path()).mkpath(QStringLiteral("cards"));
        QDir(m_dir.path()).mkpath(QStringLiteral("games"));
        deckPicture().save(m_dir.filePath(QStringLiteral("cards/Test.bmp")), "BMP");
        if (settings)
            write(*settings);
    }
    QString path() const { return m_dir.path(); }
    QString iniPath() const { return m_dir.filePath(QStringLiteral("solitaire.ini")); }
    void write(const QByteArray& bytes) const {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // The file's bytes, or a null array when it does not exist.
    QByteArray ini() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

class FakeReporter : public ErrorReporter {
public:
    QStringList messages; // summary and detail, one text
    QList<QPair<QString, QString>> parts;
    std::function<void()> whileShown; // what happens while the user reads the message
    void showError(QWidget*, const QString& summary, const QString& detail) override {
        messages << (detail.isEmpty() ? summary : summary + "\n" + detail);
        parts.append({summary, detail});
        if (whileShown)
            whileShown();
    }
};

class FakeColors : public ColorChooser {
public:
    QList<QColor> openedOn;
    std::optional<QColor> answer; // none: the user cancels
    QColor chooseColor(QWidget*, const QColor& current) override {
        openedOn << current;
        return answer.value_or(current);
    }
};

class FakeFiles : public FileChooser {
public:
    QString openFile(QWidget*, const QString&, const QString&) override { return QString(); }
};

// One table window with fake dialogs and a recording engine whose calls go into the
// fixture log ("engine:SetCardBack 5") among the games' calls. An engine call fails when
// FixtureLog::failNext names it ("engine:ReDraw").
struct Table {
    FakeReporter errors;
    FakeColors colors;
    FakeFiles files;
    // Runs with the method's name before each recorded engine call; outlives the form.
    std::function<void(const QString&)> beforeEngineCall;
    RecordingEngine* engine = nullptr; // owned by the form
    std::unique_ptr<Form1> form;

    Table() {
        auto recording = std::make_unique<RecordingEngine>();
        engine = recording.get();
        engine->onCall = [this](const RecordingEngine::Call& call) {
            if (beforeEngineCall)
                beforeEngineCall(call.method);
            const QString entry = QStringLiteral("engine:") + call.method;
            if (FixtureLog::takeFailure(entry))
                throw std::runtime_error(call.method.toStdString() +
                                         ": the recording engine was told to fail");
            FixtureLog::append(
                call.arguments.isEmpty() ? entry : entry + QLatin1Char(' ') + call.arguments);
        };
        form = std::make_unique<Form1>(std::move(recording), errors, colors, files);
        form->table()->setFramePace(std::chrono::milliseconds(0));
    }
    bool start() { return form->startUp() == 0 && QTest::qWaitForWindowExposed(form.get()); }
    std::int32_t hdc() const { return form->hDC(); }
    void trigger(const char* menu) { form->menuAction(QString::fromLatin1(menu))->trigger(); }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, at, at, button, held, modifiers);
        QApplication::sendEvent(form->table(), &event);
    }
};

// The log since `from`, without what the window system's paints added.
inline QStringList logFrom(qsizetype from) {
    QStringList entries = FixtureLog::entries().mid(from);
    entries.removeIf([](const QString& e) { return e == "engine:ReDraw"; });
    return entries;
}

} // namespace halvane::test
