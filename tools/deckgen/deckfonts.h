#pragma once
// The two typefaces the cards are lettered in, DejaVu Sans Bold (indices) and DejaVu
// Serif Bold (court letters), taken from Debian's fonts-dejavu-core. A missing font is an
// error: without one Qt quietly draws empty boxes.

#include <QFont>
#include <QPainterPath>
#include <QString>

namespace halvane::deckgen {

class DeckFonts {
public:
    // Loads both fonts from `directory` (the font files DejaVuSans-Bold.ttf and
    // DejaVuSerif-Bold.ttf), else from the system's font configuration. Needs a
    // QGuiApplication. Throws std::runtime_error naming the font and the directory.
    explicit DeckFonts(const QString& directory = defaultDirectory());

    static QString defaultDirectory();

    const QFont& sans() const { return m_sans; }
    const QFont& serif() const { return m_serif; }

    // The outline of `text` in `font`, scaled so that its capitals are `capHeight` pixels
    // high, starting at x = 0 with the baseline at y = 0 (y grows downwards).
    static QPainterPath lettering(const QFont& font, const QString& text, double capHeight);

private:
    static QFont load(const QString& directory, const QString& file, const QString& family);

    QFont m_sans;
    QFont m_serif;
};

} // namespace halvane::deckgen
