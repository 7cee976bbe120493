// The faces as a player reads them: the right number of pips, the suit's colour in the
// index, an index that tells every card apart when only its top 16 rows show, and the
// same index turned round in the lower corner.

#include "sheetimage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace deckgentest;

namespace {

// The hue a player would call the average ink of an area; "unclear" when none fits.
std::string hueOf(double r, double g, double b) {
    if (std::max({r, g, b}) < 90)
        return "black";
    if (r > g + 60 && r > b + 60)
        return "red";
    if (g > r + 40 && g > b)
        return "green";
    if (b > r + 60 && b > g)
        return "blue";
    return "unclear";
}

struct DeckCase {
    std::string style;
    std::array<const char*, 4> suitHue; // rows 1 to 4: clubs, diamonds, hearts, spades
};

void PrintTo(const DeckCase& c, std::ostream* os) {
    *os << c.style;
}

std::string faceName(int suit, int value) {
    return "suit " + std::to_string(suit) + " value " + std::to_string(value);
}

// 4-connected areas of ink of at least `minimum` pixels inside the given rows and columns.
std::vector<int> inkAreas(const std::vector<Rgb>& cell, int top, int bottom, int left, int right,
                          int minimum) {
    std::vector<bool> seen(cell.size(), false);
    std::vector<int> areas;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            if (seen[y * 71 + x] || !cell[y * 71 + x].isInk())
                continue;
            int size = 0;
            std::vector<std::pair<int, int>> todo{{x, y}};
            seen[y * 71 + x] = true;
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                ++size;
                const std::pair<int, int> next[4] = {
                    {px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
                for (const auto& [nx, ny] : next) {
                    if (nx < left || nx > right || ny < top || ny > bottom)
                        continue;
                    if (!seen[ny * 71 + nx] && cell[ny * 71 + nx].isInk()) {
                        seen[ny * 71 + nx] = true;
                        todo.emplace_back(nx, ny);
                    }
                }
            }
            if (size >= minimum)
                areas.push_back(size);
        }
    return areas;
}

class CardFaceTest : public testing::TestWithParam<DeckCase> {
protected:
    std::vector<Rgb> face(int suit, int value) const {
        return cellPixels(builtSheet(GetParam().style), value, suit);
    }
};

TEST_P(CardFaceTest, NumberCardsShowAsManyPipsAsTheirValue) {
    for (int suit = 1; suit <= 4; ++suit)
        for (int value = 2; value <= 10; ++value) {
            // The pip field lies between the two indices.
            const auto pips = inkAreas(face(suit, value), 16, 79, 4, 66, 25);
            EXPECT_EQ(int(pips.size()), value) << faceName(suit, value);
        }
}

TEST_P(CardFaceTest, AcesShowOneLargePip) {
    for (int suit = 1; suit <= 4; ++suit) {
        const auto areas = inkAreas(face(suit, 1), 16, 79, 4, 66, 25);
        const int large =
            int(std::count_if(areas.begin(), areas.end(), [](int size) { return size > 500; }));
        EXPECT_EQ(large, 1) << faceName(suit, 1);
    }
}

TEST_P(CardFaceTest, IndexIsInkedInTheSuitsColour) {
    for (int suit = 1; suit <= 4; ++suit)
        for (int value = 1; value <= 13; ++value) {
            const auto cell = face(suit, value);
            double r = 0, g = 0, b = 0;
            int n = 0;
            for (int y = 1; y < 16; ++y)
                for (int x = 1; x < 40; ++x)
                    if (const Rgb p = cell[y * 71 + x]; p.isInk()) {
                        r += p.r, g += p.g, b += p.b, ++n;
                    }
            ASSERT_GT(n, 30) << faceName(suit, value) << ": no index in the top 16 rows";
            EXPECT_EQ(hueOf(r / n, g / n, b / n), std::string(GetParam().suitHue[suit - 1]))
                << faceName(suit, value);
        }
}

// Stacked face up, a card shows only its top 16 rows; those rows must differ for every
// two cards, in rank or in suit.
TEST_P(CardFaceTest, CoveredCardsCanStillBeToldApart) {
    std::vector<std::vector<Rgb>> tops;
    for (int suit = 1; suit <= 4; ++suit)
        for (int value = 1; value <= 13; ++value) {
            auto cell = face(suit, value);
            cell.resize(16 * 71);
            tops.push_back(std::move(cell));
        }
    for (std::size_t a = 0; a < tops.size(); ++a)
        for (std::size_t b = a + 1; b < tops.size(); ++b) {
            int differ = 0;
            for (std::size_t i = 0; i < tops[a].size(); ++i)
                differ += tops[a][i].isInk() != tops[b][i].isInk() ||
                          std::abs(tops[a][i].r - tops[b][i].r) > 80;
            EXPECT_GE(differ, 12) << faceName(int(a / 13) + 1, int(a % 13) + 1) << " and "
                                  << faceName(int(b / 13) + 1, int(b % 13) + 1);
        }
}

TEST_P(CardFaceTest, LowerIndexIsTheUpperOneTurnedRound) {
    for (int suit = 1; suit <= 4; ++suit)
        for (int value = 1; value <= 13; ++value) {
            const auto cell = face(suit, value);
            int differ = 0, ink = 0;
            for (int y = 1; y < 16; ++y)
                for (int x = 1; x < 34; ++x) {
                    const Rgb top = cell[y * 71 + x], bottom = cell[(95 - y) * 71 + 70 - x];
                    ink += top.isInk();
                    differ += top.isInk() != bottom.isInk();
                }
            EXPECT_LE(differ * 10, ink) << faceName(suit, value);
        }
}

INSTANTIATE_TEST_SUITE_P(ShippedDecks, CardFaceTest,
                         testing::Values(DeckCase{"Standard", {"black", "red", "red", "black"}},
                                         DeckCase{"FourColour", {"green", "blue", "red", "black"}},
                                         DeckCase{"LargeIndex", {"black", "red", "red", "black"}}),
                         [](const auto& info) { return info.param.style; });

} // namespace
