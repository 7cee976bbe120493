#pragma once
// The application icon: two cards fanned out, the ace of hearts behind the ace of spades,
// on a transparent ground. Drawn as outlines, so every size is sharp.

#include "tools/deckgen/deckfonts.h"

#include <QImage>

class QPainter;

namespace halvane::deckgen {

class AppIcon {
public:
    static constexpr int MinSize = 16; // pixels
    static constexpr int MaxSize = 1024;

    // Keeps a reference: `fonts` must outlive the icon.
    explicit AppIcon(const DeckFonts& fonts);

    // The icon, `size` x `size` pixels, Format_ARGB32. Throws std::out_of_range when
    // `size` is outside MinSize..MaxSize.
    QImage render(int size) const;

private:
    // One card 120 x 168 units centred on the origin.
    void drawCard(QPainter& painter, bool spades) const;

    const DeckFonts& m_fonts;
};

} // namespace halvane::deckgen
