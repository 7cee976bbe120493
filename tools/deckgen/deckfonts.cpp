#include "tools/deckgen/deckfonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTransform>

#include <stdexcept>

namespace halvane::deckgen {
namespace {
// Outlines are taken at a large size and scaled down, so hinting plays no part.
constexpr int OutlinePixelSize = 200;
} // namespace

DeckFonts::DeckFonts(const QString& directory)
    : m_sans(load(directory, "DejaVuSans-Bold.ttf", "DejaVu Sans")),
      m_serif(load(directory, "DejaVuSerif-Bold.ttf", "DejaVu Serif")) {}

QString DeckFonts::defaultDirectory() {
    return QStringLiteral(HALVANE_FONT_DIR);
}

QFont DeckFonts::load(const QString& directory, const QString& file, const QString& family) {
    QString loadedFamily;
    const int id = QFontDatabase::addApplicationFont(directory + "/" + file);
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        loadedFamily = QFontDatabase::applicationFontFamilies(id).first();
    QFont font(loadedFamily.isEmpty() ? family : loadedFamily);
    font.setBold(true);
    font.setPixelSize(OutlinePixelSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (QFontInfo(font).family() != family)
        throw std::runtime_error("font \"" + family.toStdString() +
                                 " Bold\" not found (looked for " +
                                 (directory + "/" + file).toStdString() +
                                 " and in the system fonts; install fonts-dejavu-core)");
    return font;
}

QPainterPath DeckFonts::lettering(const QFont& font, const QString& text, double capHeight) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const double scale = capHeight / QFontMetricsF(font).capHeight();
    const QRectF box = path.boundingRect();
    return QTransform::fromTranslate(-box.left() * scale, 0).scale(scale, scale).map(path);
}

} // namespace halvane::deckgen
