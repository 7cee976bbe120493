// The drawing classes on their own: the card outline, the pip arrangements, the deck
// styles and the refusals of values that have no picture.

#include "tools/deckgen/cardbacks.h"
#include "tools/deckgen/cardshape.h"
#include "tools/deckgen/cornerindex.h"
#include "tools/deckgen/deckstyle.h"
#include "tools/deckgen/pipcard.h"
#include "tools/deckgen/tablesymbols.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>

using namespace halvane::deckgen;

namespace {

TEST(CardShape, IsSymmetricAndFillsTheCellBetweenItsCorners) {
    for (int y = -1; y <= CardShape::Height; ++y)
        for (int x = -1; x <= CardShape::Width; ++x) {
            const bool in = CardShape::contains(x, y);
            ASSERT_EQ(in, CardShape::contains(CardShape::Width - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(in, CardShape::contains(x, CardShape::Height - 1 - y)) << x << "," << y;
            const bool cornerSquare =
                (x < CardShape::CornerRadius || x >= CardShape::Width - CardShape::CornerRadius) &&
                (y < CardShape::CornerRadius || y >= CardShape::Height - CardShape::CornerRadius);
            const bool inCell = x >= 0 && y >= 0 && x < CardShape::Width && y < CardShape::Height;
            if (!cornerSquare) {
                ASSERT_EQ(in, inCell) << x << "," << y;
            }
        }
}

TEST(CardShape, FinishClearsOutsideAndLeavesNoBlackInside) {
    QImage sheet(CardShape::Width, CardShape::Height, QImage::Format_RGB32);
    sheet.fill(QColor(90, 120, 40)); // drawing that strayed everywhere
    sheet.setPixel(35, 48, qRgb(0, 0, 0));
    sheet.setPixel(35, 0, qRgb(0, 0, 0));
    CardShape::finish(sheet, QPoint(0, 0), QColor(64, 64, 64));
    EXPECT_EQ(sheet.pixel(0, 0) & 0xffffff, 0u) << "outside the corner";
    EXPECT_NE(sheet.pixel(35, 48) & 0xffffff, 0u) << "black inside the card";
    EXPECT_EQ(sheet.pixelColor(35, 0), QColor(64, 64, 64)) << "edge painted again";
    EXPECT_EQ(sheet.pixelColor(30, 30), QColor(90, 120, 40)) << "drawing inside kept";
}

TEST(PipCard, LayoutHasOnePipPerPointAndAnAceHasOne) {
    for (int value = 1; value <= 10; ++value)
        EXPECT_EQ(int(PipCard::layout(value).size()), value) << "value " << value;
    for (int value : {0, 11, -3})
        EXPECT_THROW(PipCard::layout(value), std::out_of_range) << "value " << value;
}

// A card reads the same either way up: every pip has a partner turned half round (but for
// the seven's odd pip, which by custom sits in the upper half), the pips in the lower half
// face down, and no two pips overlap or enter the index rows.
TEST(PipCard, LayoutsAreDoubleEndedAndClear) {
    const double half = PipCard::PipHeight / 2;
    for (int value = 2; value <= 10; ++value) {
        const auto pips = PipCard::layout(value);
        for (const auto& pip : pips) {
            const QPointF turned(CardShape::Width - pip.centre.x(),
                                 CardShape::Height - pip.centre.y());
            const bool partner = std::any_of(pips.begin(), pips.end(), [&](const auto& other) {
                return std::abs(other.centre.x() - turned.x()) < 1e-9 &&
                       std::abs(other.centre.y() - turned.y()) < 1e-9;
            });
            const bool oddPipOfTheSeven = value == 7 && pip.centre.x() == CardShape::Width / 2.0 &&
                                          pip.centre.y() < CardShape::Height / 2.0;
            EXPECT_NE(partner, oddPipOfTheSeven) << "value " << value;
            EXPECT_EQ(pip.upsideDown, pip.centre.y() > CardShape::Height / 2.0);
            EXPECT_GE(pip.centre.y() - half, CornerIndex::Rows) << "value " << value;
            EXPECT_LE(pip.centre.y() + half, CardShape::Height - CornerIndex::Rows);
        }
        for (std::size_t a = 0; a < pips.size(); ++a)
            for (std::size_t b = a + 1; b < pips.size(); ++b) {
                const QPointF d = pips[a].centre - pips[b].centre;
                EXPECT_TRUE(std::abs(d.x()) >= PipCard::PipHeight ||
                            std::abs(d.y()) >= PipCard::PipHeight)
                    << "value " << value << " pips " << a << " and " << b << " overlap";
            }
    }
}

TEST(DeckStyle, ShippedStylesKeepTheIndexInTheTopRows) {
    for (const QString& name : DeckStyle::names()) {
        const DeckStyle style = DeckStyle::named(name);
        EXPECT_EQ(style.name, name);
        EXPECT_LE(CornerIndex::Top + style.indexRankHeight, CornerIndex::Rows) << qPrintable(name);
        EXPECT_LE(style.indexPipHeight, style.indexRankHeight) << qPrintable(name);
        for (const QColor& ink : style.suitInk)
            EXPECT_NE(ink.rgb() & 0xffffff, 0u) << qPrintable(name) << ": pure black ink";
    }
}

TEST(DeckStyle, UnknownNameIsRefusedByName) {
    for (const char* name : {"standard", "", "Standard.bmp", "Nope"}) {
        try {
            DeckStyle::named(name);
            ADD_FAILURE() << "accepted \"" << name << "\"";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("\"") + name + "\""),
                      std::string::npos)
                << e.what();
        }
    }
}

TEST(Drawing, NumbersWithoutAPictureAreRefused) {
    QImage image(CardShape::Width, CardShape::Height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int n : {0, CardBacks::Count + 1})
        EXPECT_THROW(CardBacks::draw(painter, n), std::out_of_range) << "back " << n;
    for (int n : {0, TableSymbols::Count + 1})
        EXPECT_THROW(TableSymbols::draw(painter, n), std::out_of_range) << "symbol " << n;
}

} // namespace
