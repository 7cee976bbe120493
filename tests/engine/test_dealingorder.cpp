// The dealing order: CreateDeck, Shuffle and GetDeckOrder, with the seed fixed where
// the order must be predicted.

#include "engine/class1.h"
#include "engine/error.h"
#include "engine/fixedseed.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace dorvik::test {
namespace {

class DealingOrderTest : public Testbed {
protected:
    std::vector<int> order(int size) {
        std::vector<int> entries;
        for (int i = 0; i <= size; ++i) {
            entries.push_back(m_engine.GetDeckOrder(std::int16_t(i)).toInteger());
        }
        return entries;
    }
};

// The documented draw: the top 24 bits of std::mt19937 times 2^-24; then 10 passes over
// positions 1 to n, each exchanged with floor(r x n) + 1.
std::vector<int> predictedShuffle(std::uint32_t seed, int n) {
    std::mt19937 generator(seed);
    std::vector<int> entries(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        entries[std::size_t(i)] = i;
    }
    for (int pass = 0; pass < 10; ++pass) {
        for (int j = 1; j <= n; ++j) {
            const float r = float(generator() >> 8) / 16777216.0f;
            const int k = int(double(r) * n) + 1;
            std::swap(entries[std::size_t(j)], entries[std::size_t(k)]);
        }
    }
    return entries;
}

TEST_F(DealingOrderTest, CreateDeckCountsUpFromOne) {
    m_engine.CreateDeck(52);
    std::vector<int> expected(53);
    for (int i = 0; i <= 52; ++i) {
        expected[std::size_t(i)] = i;
    }
    EXPECT_EQ(order(52), expected);
    m_engine.CreateDeck(0);
    EXPECT_EQ(order(0), std::vector<int>{0});
}

TEST_F(DealingOrderTest, ShuffleWithAFixedSeedFollowsTheDocumentedPasses) {
    SetFixedSeed(1234);
    m_engine.CreateDeck(104);
    m_engine.Shuffle(104);
    EXPECT_EQ(order(104), predictedShuffle(1234, 104));
}

TEST_F(DealingOrderTest, ShuffleMakesAPermutationAndLeavesEntryZero) {
    m_engine.CreateDeck(52);
    m_engine.Shuffle(52);
    std::vector<int> entries = order(52);
    EXPECT_EQ(entries[0], 0);
    std::vector<int> identity(53);
    for (int i = 0; i <= 52; ++i) {
        identity[std::size_t(i)] = i;
    }
    EXPECT_NE(entries, identity); // 1 in 52! to fail by chance
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, identity);
}

TEST_F(DealingOrderTest, ShufflesInQuickSuccessionDiffer) {
    m_engine.CreateDeck(52);
    m_engine.Shuffle(52);
    const std::vector<int> first = order(52);
    m_engine.CreateDeck(52);
    m_engine.Shuffle(52);
    EXPECT_NE(order(52), first);
}

TEST_F(DealingOrderTest, ShuffleOfPartOfTheOrderLeavesTheRest) {
    SetFixedSeed(7);
    m_engine.CreateDeck(20);
    m_engine.Shuffle(10);
    const std::vector<int> entries = order(20);
    std::vector<int> expected = predictedShuffle(7, 10);
    for (int i = 11; i <= 20; ++i) {
        expected.push_back(i);
    }
    EXPECT_EQ(entries, expected);
}

struct Quiet {
    const char* name;
    int created;
    int size;
};

class ShuffleDoesNothing : public DealingOrderTest, public testing::WithParamInterface<Quiet> {};

TEST_P(ShuffleDoesNothing, LeavesTheOrder) {
    m_engine.CreateDeck(std::int16_t(GetParam().created));
    const std::vector<int> before = order(GetParam().created);
    m_engine.Shuffle(std::int16_t(GetParam().size));
    EXPECT_EQ(order(GetParam().created), before);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShuffleDoesNothing,
                         testing::Values(Quiet{"OneCard", 1, 1}, Quiet{"Zero", 5, 0},
                                         Quiet{"Negative", 5, -3}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    std::function<void(Class1&)> call;
    const char* method;
    const char* detail;
};

class OrderErrors : public DealingOrderTest, public testing::WithParamInterface<Refused> {};

TEST_P(OrderErrors, RaiseNamingMethodAndValue) {
    try {
        GetParam().call(m_engine);
        FAIL() << "no error";
    } catch (const Error& e) {
        const std::string what = e.what();
        EXPECT_EQ(what.rfind(GetParam().method, 0), 0u) << what;
        EXPECT_NE(what.find(GetParam().detail), std::string::npos) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, OrderErrors,
    testing::Values(
        Refused{"ShuffleBeyondTheOrder",
                [](Class1& e) {
                    e.CreateDeck(52);
                    e.Shuffle(53);
                },
                "Shuffle", "53"},
        Refused{"ShuffleBeforeCreateDeck", [](Class1& e) { e.Shuffle(5); }, "Shuffle", "5"},
        Refused{"NegativeCreateDeck", [](Class1& e) { e.CreateDeck(-1); }, "CreateDeck", "-1"},
        Refused{"IndexPastTheEnd",
                [](Class1& e) {
                    e.CreateDeck(52);
                    e.GetDeckOrder(53);
                },
                "GetDeckOrder", "53"},
        Refused{"NegativeIndex",
                [](Class1& e) {
                    e.CreateDeck(52);
                    e.GetDeckOrder(-1);
                },
                "GetDeckOrder", "-1"},
        Refused{"IndexBeforeCreateDeck", [](Class1& e) { e.GetDeckOrder(0); }, "GetDeckOrder",
                "0"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dorvik::test
