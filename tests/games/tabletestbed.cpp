#include "tabletestbed.h"

#include "games/kit/dealnumber.h"
#include "games/klondike/klondikerules.h"

#include "engine/cardgeometry.h"
#include "platform/com/components.h"
#include "platform/gdi/gdi.h"

#include <QDir>
#include <QPainter>
#include <QSettings>

#include <gtest/gtest.h>

namespace halvane::klondike::test {

namespace {

constexpr int CellWidth = dorvik::card::Width;
constexpr int CellHeight = dorvik::card::Height;
constexpr int PitchX = dorvik::card::PitchX;
constexpr int PitchY = dorvik::card::PitchY;

QColor fromColorRef(std::uint32_t c) {
    return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

com::Variant integer(int value) {
    return com::Variant::fromInteger(std::int16_t(value));
}

int get(const com::Variant& value) {
    return value.toInteger("engine field");
}

} // namespace

QImage drawTestSheet() {
    QImage sheet(936, 485, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 13; ++column) {
            const QRect cell(column * PitchX, row * PitchY, CellWidth, CellHeight);
            painter.fillRect(cell, QColor(40 + column * 15, 40 + row * 45, 200 - column * 9));
            painter.setPen(Qt::white);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.fillRect(QRect(cell.topLeft() + QPoint(4, 4), QSize(9, 9)),
                             QColor(10 + row * 20, 10, 10 + column * 12));
        }
    }
    return sheet;
}

TableTestBed::TableTestBed(int drawCount, bool autoplay) {
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder");
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue("DrawCount", drawCount);
        settings.setValue("Autoplay", autoplay);
    }

    gdi::SetScreenPixels(QSize(ScreenWidth, ScreenHeight));
    m_sheet = drawTestSheet();
    QDir(m_folder.path()).mkpath("cards");
    if (!m_sheet.save(m_folder.filePath("cards/Test.bmp"), "BMP"))
        throw std::runtime_error("cannot write the test sheet");

    m_window = gdi::CreateCompatibleDC(0);
    m_windowBitmap = gdi::CreateCompatibleBitmap(m_window, ScreenWidth, ScreenHeight);
    m_windowOld = gdi::SelectObject(m_window, m_windowBitmap);
    m_scratch = gdi::CreateCompatibleDC(0);
    m_scratchBitmap = gdi::CreateCompatibleBitmap(m_scratch, ScreenWidth, ScreenHeight);
    m_scratchOld = gdi::SelectObject(m_scratch, m_scratchBitmap);
    clearWindow();

    // Start-up as the host runs it, then the first paint's snapshot of the bare table.
    m_engine.SetCurrentDirectory(m_folder.path());
    m_engine.InitializeDeck(m_window, com::Variant::fromString("Test.bmp"));
    m_engine.SetCardBack(1);
    com::ClearPluginFolders();
    com::AddPluginFolder(KLONDIKE_PLUGIN_DIR);
    recreate();
}

QString TableTestBed::settingsPath() const {
    return m_folder.filePath("gamedata/Klondike/settings.ini");
}

void TableTestBed::recreate() {
    m_game.reset();
    m_game = com::CreateObject("Klondike.GamePlay");
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    kitGame().setDialogs(std::move(dialogs));
    com::CallByName(m_game.get(), "SetInstallDir", {com::Variant::fromString(m_folder.path())});
    call("InitializeGame");
    clearWindow();
    m_engine.TakeScreenShot(m_window);
}

void TableTestBed::dealNumber(std::uint32_t number) {
    clearWindow();
    kitGame().dealNumber(m_window, number);
}

TableTestBed::~TableTestBed() {
    m_game.reset();
    m_engine.UnloadDeck();
    gdi::SelectObject(m_window, m_windowOld);
    gdi::DeleteObject(m_windowBitmap);
    gdi::DeleteDC(m_window);
    gdi::SelectObject(m_scratch, m_scratchOld);
    gdi::DeleteObject(m_scratchBitmap);
    gdi::DeleteDC(m_scratch);
    gdi::SetScreenPixels(QSize());
}

void TableTestBed::clearWindow() {
    QImage plain(ScreenWidth, ScreenHeight, QImage::Format_RGB32);
    plain.fill(fromColorRef(TableColour));
    const gdi::HBITMAP bitmap = gdi::CreateBitmapFromImage(plain);
    const gdi::HDC source = gdi::CreateCompatibleDC(m_window);
    const gdi::HGDIOBJ old = gdi::SelectObject(source, bitmap);
    gdi::BitBlt(m_window, 0, 0, ScreenWidth, ScreenHeight, source, 0, 0, gdi::SRCCOPY);
    gdi::SelectObject(source, old);
    gdi::DeleteObject(bitmap);
    gdi::DeleteDC(source);
}

void TableTestBed::deal() {
    clearWindow();
    com::CallByName(m_game.get(), "mnuDeal_Click", {com::Variant::fromLong(m_window)});
}

void TableTestBed::call(const char* operation) {
    if (std::string(operation) == "InitializeGame")
        com::CallByName(m_game.get(), operation);
    else
        com::CallByName(m_game.get(), operation, {com::Variant::fromLong(m_window)});
}

void TableTestBed::mouse(const char* operation, short button, float x, float y) {
    com::CallByName(m_game.get(), operation,
                    {com::Variant::fromLong(m_window), integer(button), integer(0),
                     com::Variant::fromSingle(x), com::Variant::fromSingle(y)});
}

void TableTestBed::mouseDown(QPoint at, short button) {
    mouse("Form_MouseDown", button, float(at.x()), float(at.y()));
}

void TableTestBed::mouseMove(QPoint at, short buttons) {
    mouse("Form_MouseMove", buttons, float(at.x()), float(at.y()));
}

void TableTestBed::mouseUp(QPoint at, short button) {
    mouse("Form_MouseUp", button, float(at.x()), float(at.y()));
}

void TableTestBed::click(QPoint at) {
    mouseDown(at);
    mouseUp(at);
}

void TableTestBed::doubleClick(QPoint at) {
    mouseDown(at);
    mouseUp(at);
    call("Form_DblClick");
    mouseUp(at);
}

void TableTestBed::drag(QPoint from, QPoint to) {
    mouseDown(from);
    for (int step = 1; step <= 3; ++step)
        mouseMove(from + (to - from) * step / 3);
    mouseUp(to);
}

QImage TableTestBed::window() const {
    return gdi::SurfaceImage(m_window);
}

QImage TableTestBed::tableCopy() {
    m_engine.ReDraw(m_scratch);
    return gdi::SurfaceImage(m_scratch);
}

long TableTestBed::frames() const {
    return gdi::FrameCount(m_window);
}

Table TableTestBed::dealtTable(int drawCount) {
    return dealTable(kit::deals::order(kitGame().currentDeal(), PackSize), drawCount);
}

QImage TableTestBed::expectedPicture(const Table& table, QSize area) const {
    QImage picture(ScreenWidth, ScreenHeight, QImage::Format_RGB32);
    picture.fill(fromColorRef(TableColour));
    QPainter painter(&picture);
    const kit::Layout places = tableLayout(area);
    auto cell = [&](QPoint at, int x, int y) {
        painter.drawImage(at, m_sheet, QRect(x, y, CellWidth, CellHeight));
    };
    auto symbol = [&](QPoint at, int s) { cell(at, (s + 1) * PitchX, 4 * PitchY); };
    const bool stockSpent = table.pile(PileId::stock()).empty() && !MoveJudge(table).canRedeal();
    symbol(places.origin(PileId::stock()), stockSpent ? 3 : 2);
    for (int i = 0; i < Foundations; ++i)
        symbol(places.origin(PileId::foundation(i)), 1);
    for (int i = 0; i < Columns; ++i)
        symbol(places.origin(PileId::tableau(i)), 1);
    for (PileId pile : table.pileIds()) {
        const auto& cards = table.pile(pile);
        for (int i = 0; i < int(cards.size()); ++i) {
            const QPoint at = places.cardPosition(table, pile, i);
            if (cards[i].faceUp)
                cell(at, (cards[i].rank - 1) * PitchX, (cards[i].suit - 1) * PitchY);
            else
                cell(at, 12 * PitchX, 4 * PitchY); // back 1
        }
    }
    return picture;
}

QPoint TableTestBed::grip(int number) {
    const int x = get(m_engine.GetCardX(std::int16_t(number)));
    const int y = get(m_engine.GetCardY(std::int16_t(number)));
    const bool covered = get(m_engine.GetCardIsBlocked(std::int16_t(number))) != 0;
    return {x + 35, y + (covered ? 8 : 48)};
}

QPoint TableTestBed::dropPoint(const Table& table, PileId pile) const {
    const int count = int(table.pile(pile).size());
    const QPoint top = layout().cardPosition(table, pile, std::max(0, count - 1));
    return top + QPoint(35, 48);
}

void TableTestBed::expectEngineMatches(const Table& table) {
    std::vector<bool> inPlay(151, false);
    const kit::Layout places = layout();
    for (PileId pile : table.pileIds()) {
        const auto& cards = table.pile(pile);
        for (int i = 0; i < int(cards.size()); ++i) {
            const Card& card = cards[i];
            const std::int16_t n = card.number;
            inPlay[n] = true;
            const bool top = i + 1 == int(cards.size());
            const bool pickable = top || (pile.role == Role::Tableau && card.faceUp);
            const QPoint place = places.cardPosition(table, pile, i);
            const QString where =
                QStringLiteral("card %1, %2 #%3").arg(n).arg(pile.describe()).arg(i);
            EXPECT_EQ(get(m_engine.GetCardX(n)), place.x()) << where.toStdString();
            EXPECT_EQ(get(m_engine.GetCardY(n)), place.y()) << where.toStdString();
            EXPECT_EQ(get(m_engine.GetCardStatus(n)), card.faceUp ? -1 : 0) << where.toStdString();
            EXPECT_EQ(get(m_engine.GetCardIsBlocked(n)), top ? 0 : -1) << where.toStdString();
            EXPECT_EQ(get(m_engine.GetCardDisabled(n)), pickable ? 0 : -1) << where.toStdString();
        }
    }
    for (int n = 1; n <= 150; ++n) {
        if (!inPlay[n]) {
            EXPECT_NE(get(m_engine.GetCardDisabled(std::int16_t(n))), 0)
                << "card " << n << " is out of play but can be picked";
        }
    }
}

} // namespace halvane::klondike::test
