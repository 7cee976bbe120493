// The win sequence with a fixed seed: every place follows from the documented draws,
// every deal and the closing back is a frame, and the table ends up as the pictures
// thrown in that order would make it.

#include "engine/class1.h"
#include "engine/fixedseed.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace dorvik::test {
namespace {

constexpr QSize kFullHd{1920, 1080};
const QPoint kBack8{360, 388};
const QPoint kCentredBack8{924, 492}; // 960 - 35.5 (halves to even), 540 - 48

// The places the sequence must use, after `skip` earlier draws: for each of 5 passes and
// cards 1 to 113, x then y, each floor(r x pixels) + 1 with r the top 24 bits of
// std::mt19937 times 2^-24, the card centred on the point with halves to even.
std::vector<Deal> predictedThrows(std::uint32_t seed, int skip = 0) {
    std::mt19937 generator(seed);
    generator.discard(std::size_t(skip));
    const auto draw = [&] { return double(generator() >> 8) / 16777216.0; };
    std::vector<Deal> throws;
    for (int pass = 0; pass < 5; ++pass) {
        for (int n = 1; n <= 113; ++n) {
            const int x = int(std::floor(draw() * kFullHd.width())) + 1;
            const int y = int(std::floor(draw() * kFullHd.height())) + 1;
            // x - 35.5 to even: x - 36 for an even x, x - 35 for an odd one.
            throws.push_back({n, x % 2 == 0 ? x - 36 : x - 35, y - 48});
        }
    }
    return throws;
}

// The picture of card n as the pack lays it out, with back `back` for cards 105 to 109.
QPoint pictureOf(int n, int back) {
    if (n <= 104) {
        const int k = (n - 1) % 52;
        return faceCell(k / 13 + 1, k % 13 + 1);
    }
    if (n <= 109) {
        return {936 - 72 * back, 388};
    }
    return {((n - 110) % 2) * 72, 388};
}

class WinSequenceTest : public Testbed {
protected:
    void SetUp() override {
        Testbed::SetUp();
        gdi::SetScreenPixels(kFullHd);
        m_window = newWindow(tableBackground(kFullHd));
        initialize();
    }

    void expectLastPass(const std::vector<Deal>& throws) {
        for (int n = 1; n <= 113; ++n) {
            const Deal& last = throws[std::size_t(4 * 113 + n - 1)];
            EXPECT_EQ(m_engine.GetCardX(std::int16_t(n)),
                      Variant::fromInteger(std::int16_t(last.x)))
                << n;
            EXPECT_EQ(m_engine.GetCardY(std::int16_t(n)),
                      Variant::fromInteger(std::int16_t(last.y)))
                << n;
        }
    }
};

TEST_F(WinSequenceTest, ThrowsEveryCardWhereTheSeedSays) {
    SetFixedSeed(4242);
    m_engine.SetCardStatus(7, com::False); // thrown face down
    m_engine.SetCardBack(2);
    const long frames = gdi::FrameCount(m_window);
    m_engine.WinSequence(m_window);
    EXPECT_EQ(gdi::FrameCount(m_window) - frames, 566);

    const std::vector<Deal> throws = predictedThrows(4242);
    expectLastPass(throws);
    EXPECT_EQ(m_engine.GetCardX(114), Variant::fromInteger(-72)); // spare slots stay

    std::vector<Placed> pictures;
    for (const Deal& d : throws) {
        pictures.push_back({d.card == 7 ? pictureOf(105, 2) : pictureOf(d.card, 2), {d.x, d.y}});
    }
    pictures.push_back({kBack8, kCentredBack8});
    const QImage expected = drawReference(tableBackground(kFullHd), m_sheet, pictures);
    EXPECT_TRUE(SameImage(window(), expected));
    EXPECT_TRUE(SameImage(tableCopy(), expected));
}

TEST_F(WinSequenceTest, ShuffleSeedsTheSequence) {
    SetFixedSeed(11);
    m_engine.CreateDeck(10);
    m_engine.Shuffle(10); // seeds with 11, then draws 10 passes x 10 numbers
    m_engine.WinSequence(m_window);
    expectLastPass(predictedThrows(11, 100));
}

TEST_F(WinSequenceTest, OnAWindowSmallerThanTheScreenCardsFallOutsideIt) {
    SetFixedSeed(3);
    const QSize small(300, 200);
    const gdi::HDC dc = newWindow(tableBackground(small));
    m_engine.WinSequence(dc);
    EXPECT_EQ(gdi::FrameCount(dc), 566);

    std::vector<Placed> pictures;
    for (const Deal& d : predictedThrows(3)) {
        pictures.push_back({pictureOf(d.card, 1), {d.x, d.y}});
    }
    pictures.push_back({kBack8, kCentredBack8}); // the screen's centre: off this window
    EXPECT_TRUE(SameImage(imageOf(dc), drawReference(tableBackground(small), m_sheet, pictures)));
    // The snapshot came from the small window; the rest of the table copy stayed black.
    QImage copyBase(kFullHd, QImage::Format_RGB32);
    copyBase.fill(Qt::black);
    QPainter(&copyBase).drawImage(0, 0, tableBackground(small));
    EXPECT_TRUE(SameImage(tableCopy(), drawReference(copyBase, m_sheet, pictures)));
}

} // namespace
} // namespace dorvik::test
