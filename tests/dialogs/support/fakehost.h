#pragma once
// The table window as the choosers see it, for tests: a temporary install directory with
// deck sheets written by the test, a real card engine (behind a RecordingEngine) set up on
// a 640 x 480 memory context standing in for the table, recorded errors and game starts.

#include "host/tablehost.h"
#include "platform/gdi/gdi.h"
#include "tests/support/recordingengine.h"

#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace halvane::test {

class FakeHost final : public TableHost {
public:
    static constexpr QRgb TableColour = 0xff106020;

    // Writes the sheets `sheetFiles` (deck 1, 2, ... in that order) into <dir>/cards and
    // runs InitializeDeck on the table with `currentDeck`.
    explicit FakeHost(const QStringList& sheetFiles = {"A.bmp", "B.bmp", "C.bmp"},
                      const QString& currentDeck = "A.bmp");
    ~FakeHost() override;

    HostSettings& settings() override { return m_settings; }
    dorvik::_Class1& engine() override { return recorder; }
    std::int16_t cardBack() const override { return m_cardBack; }
    void setCardBack(std::int16_t back) override { m_cardBack = back; }
    void startGame(const QString& name, const QString& plugin) override;
    QWidget* tableWindow() override { return &m_table; }
    // Summary and detail, one text.
    void reportError(const QString& summary, const QString& detail) override {
        errors.append(detail.isEmpty() ? summary : summary + "\n" + detail);
    }

    // The sheet of deck `deck` (1-based), as written: every cell a colour of its own
    // with a marker stripe along its top, black gaps.
    static QImage sheet(int deck);
    // The 71 x 96 picture at (x, y) of `image`.
    static QImage cell(const QImage& image, int x, int y);
    // Card `card` as the engine draws it now (from the picture it has loaded).
    QImage drawnCard(int card);
    QImage tableImage() const { return gdi::SurfaceImage(tableDc); }
    QString installDir() const { return m_dir.path(); }
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    RecordingEngine recorder;
    gdi::HDC tableDc = 0;
    QStringList errors;
    QStringList startedGames;          // "name|plugin" per successful start
    QSet<QString> brokenPlugins;       // startGame throws for these and changes nothing
    std::function<void()> onStartGame; // runs at the start of every startGame

private:
    QTemporaryDir m_dir;
    gdi::HBITMAP m_tableBitmap = 0;
    HostSettings m_settings;
    std::int16_t m_cardBack = 1;
    QWidget m_table;
};

} // namespace halvane::test
