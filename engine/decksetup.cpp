#include "engine/decksetup.h"

#include "engine/argcheck.h"
#include "engine/cardtablesetup.h"
#include "engine/cellgeometry.h"
#include "engine/deckbackground.h"
#include "engine/module1.h"
#include "engine/surfaces.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

namespace {
constexpr int kSaveUnderHeight = 2 * CellGeometry::kSheetHeight; // two banks
}

bool DeckSetup::initializeDeck(std::int32_t screenHdc, const QString& file) {
    const std::int32_t sheet = loadSheet(file, sheetScale(screenHdc), "InitializeDeck");
    CardTableSetup table(m_state);
    table.buildPacks();
    table.setDefaultValues();
    return installSurfaces(screenHdc, file, sheet);
}

bool DeckSetup::setGraphics(std::int32_t screenHdc, const QString& file, const char* method) {
    return installSurfaces(screenHdc, file, loadSheet(file, sheetScale(screenHdc), method));
}

void DeckSetup::setDeck(const QString& file) {
    const std::int32_t sheet = loadSheet(file, gdi::GetSurfaceScale(m_state.DeckDC), "SetDeck");
    if (!Surfaces(m_state).replaceBitmap(m_state.DeckDC, sheet)) {
        return;
    }
    DeckBackground(m_state).sheetLoaded();
}

QSize DeckSetup::tableCopySize(int scale) {
    // The screen's whole table pixels, as the screen extent counts them at that scale.
    const QSize screen = gdi::ScreenDevicePixels();
    return QSize(screen.width() / scale, screen.height() / scale) * scale;
}

QSize DeckSetup::saveUnderSize(int scale) {
    return QSize(CellGeometry::kSheetWidth, kSaveUnderHeight) * scale;
}

int DeckSetup::sheetScale(std::int32_t screenHdc) {
    // The deck surface is made compatible with the window, so the sheet takes its scale; a
    // context that is not live makes no surfaces, and any scale will do for it.
    const int scale = gdi::GetCompatibleScale(screenHdc);
    return scale > 0 ? scale : 1;
}

std::int32_t DeckSetup::loadSheet(const QString& file, int scale, const char* method) const {
    // Deck pictures live in the cards folder and nowhere else.
    if (file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')) ||
        file.contains(QStringLiteral("..")) || file.contains(QChar(0))) {
        ArgCheck::fail(method, QStringLiteral("the deck picture name \"%1\" is not a plain file "
                                              "name in the cards folder (it may not hold \"/\", "
                                              "\"\\\", \"..\" or a NUL character)")
                                   .arg(file));
    }
    const QString path = m_state.CurrentDirectory + QStringLiteral("/cards/") + file;
    try {
        return gdi::LoadPicture(path, scale > 0 ? scale : 1);
    } catch (const gdi::Error& e) {
        ArgCheck::fail(method, QStringLiteral("cannot load the deck picture: ") +
                                   QString::fromUtf8(e.what()));
    }
}

bool DeckSetup::installSurfaces(std::int32_t screenHdc, const QString& file, std::int32_t sheet) {
    Surfaces surfaces(m_state);
    surfaces.releaseAll();
    m_state.DeckDC = surfaces.holding(screenHdc, sheet);
    m_state.SaveUnderDC = surfaces.create(screenHdc, CellGeometry::kSheetWidth, kSaveUnderHeight);
    const QSize screen = CellGeometry::screenExtent();
    m_state.TableCopyDC = surfaces.create(screenHdc, screen.width(), screen.height());
    m_state.CurrentDeck = file;
    m_state.SnapshotPending = true;
    DeckBackground(m_state).sheetLoaded();
    return m_state.DeckDC != 0 && m_state.SaveUnderDC != 0;
}

} // namespace dorvik
