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
    Sheet sheet = loadSheet(file, sheetScale(screenHdc), "InitializeDeck");
    CardTableSetup table(m_state);
    table.buildPacks();
    table.setDefaultValues();
    return installSurfaces(screenHdc, file, std::move(sheet));
}

bool DeckSetup::setGraphics(std::int32_t screenHdc, const QString& file, const char* method) {
    return installSurfaces(screenHdc, file, loadSheet(file, sheetScale(screenHdc), method));
}

void DeckSetup::setDeck(const QString& file) {
    Sheet sheet = loadSheet(file, gdi::GetSurfaceScale(m_state.DeckDC), "SetDeck");
    if (!Surfaces(m_state).replaceBitmap(m_state.DeckDC, sheet.bitmap)) {
        return;
    }
    DeckBackground(m_state).sheetLoaded(std::move(sheet.background));
}

void DeckSetup::prefetchSheet(const QString& folder, const QString& file, int scale) {
    if (isPlainName(file))
        gdi::PrefetchPicture(sheetPath(folder, file), scale, DeckBackground::areaProbe());
}

int DeckSetup::sheetScale(std::int32_t screenHdc) {
    // The deck surface is made compatible with the window, so the sheet takes its scale; a
    // context that is not live makes no surfaces, and any scale will do for it.
    const int scale = gdi::GetCompatibleScale(screenHdc);
    return scale > 0 ? scale : 1;
}

bool DeckSetup::isPlainName(const QString& file) {
    return !file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char('\\')) &&
           !file.contains(QStringLiteral("..")) && !file.contains(QChar(0));
}

QString DeckSetup::sheetPath(const QString& folder, const QString& file) {
    // Deck pictures live in the cards folder and nowhere else.
    return folder + QStringLiteral("/cards/") + file;
}

DeckSetup::Sheet DeckSetup::loadSheet(const QString& file, int scale, const char* method) const {
    if (!isPlainName(file)) {
        ArgCheck::fail(method, QStringLiteral("the deck picture name \"%1\" is not a plain file "
                                              "name in the cards folder (it may not hold \"/\", "
                                              "\"\\\", \"..\" or a NUL character)")
                                   .arg(file));
    }
    try {
        Sheet sheet{0, {}};
        sheet.bitmap = gdi::LoadPicture(sheetPath(m_state.CurrentDirectory, file),
                                        scale > 0 ? scale : 1, DeckBackground::areaProbe(),
                                        sheet.background);
        return sheet;
    } catch (const gdi::Error& e) {
        ArgCheck::fail(method, QStringLiteral("cannot load the deck picture: ") +
                                   QString::fromUtf8(e.what()));
    }
}

bool DeckSetup::installSurfaces(std::int32_t screenHdc, const QString& file, Sheet sheet) {
    Surfaces surfaces(m_state);
    surfaces.releaseAll();
    m_state.DeckDC = surfaces.holding(screenHdc, sheet.bitmap);
    m_state.SaveUnderDC = surfaces.create(screenHdc, CellGeometry::kSheetWidth, kSaveUnderHeight);
    const QSize screen = CellGeometry::screenExtent();
    m_state.TableCopyDC = surfaces.create(screenHdc, screen.width(), screen.height());
    m_state.CurrentDeck = file;
    m_state.SnapshotPending = true;
    DeckBackground(m_state).sheetLoaded(std::move(sheet.background));
    return m_state.DeckDC != 0 && m_state.SaveUnderDC != 0;
}

} // namespace dorvik
