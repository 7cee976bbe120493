// The card table as games see it through the accessors: result tags, range rules,
// the pack, the resting state, the card back, and one table shared by every object.

#include "engine/class1.h"
#include "engine/error.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <functional>

namespace dorvik::test {
namespace {

using Getter = Variant (Class1::*)(std::int16_t);
using Setter = void (Class1::*)(std::int16_t, std::int16_t);

struct Field {
    const char* name;
    Getter get;
    Setter set;        // nullptr: no setter
    Variant::Type tag; // for card numbers 1 to 150
};

const Field kFields[] = {
    {"Color", &Class1::GetCardColor, nullptr, Variant::Type::Integer},
    {"Suit", &Class1::GetCardSuit, nullptr, Variant::Type::Integer},
    {"Value", &Class1::GetCardValue, nullptr, Variant::Type::Integer},
    {"X", &Class1::GetCardX, &Class1::SetCardX, Variant::Type::Integer},
    {"Y", &Class1::GetCardY, &Class1::SetCardY, Variant::Type::Integer},
    {"Status", &Class1::GetCardStatus, &Class1::SetCardStatus, Variant::Type::Boolean},
    {"IsBlocked", &Class1::GetCardIsBlocked, &Class1::SetCardIsBlocked, Variant::Type::Boolean},
    {"Disabled", &Class1::GetCardDisabled, &Class1::SetCardDisabled, Variant::Type::Boolean},
    {"User1", &Class1::GetUser1, &Class1::SetUser1, Variant::Type::Boolean},
    {"User2", &Class1::GetUser2, &Class1::SetUser2, Variant::Type::Integer},
    {"User3", &Class1::GetUser3, &Class1::SetUser3, Variant::Type::Integer},
    {"User4", &Class1::GetUser4, &Class1::SetUser4, Variant::Type::Integer},
};

Variant tagged(Variant::Type tag, std::int16_t value) {
    return tag == Variant::Type::Boolean ? Variant::fromBoolean(value)
                                         : Variant::fromInteger(value);
}

class CardTable : public Testbed {};

TEST_F(CardTable, BeforeAnyDeckEveryGetterAnswersZeroWithItsTag) {
    for (const Field& f : kFields) {
        for (int n = 1; n <= 150; ++n) {
            EXPECT_EQ((m_engine.*f.get)(std::int16_t(n)), tagged(f.tag, 0)) << f.name << " " << n;
        }
    }
    EXPECT_EQ(m_engine.GetCurrentDeck(), QString());
}

TEST_F(CardTable, SettersStoreTheValueUnchangedAndGettersTagIt) {
    const std::int16_t values[] = {1, -1, 0, 300, -32768, 32767};
    for (const Field& f : kFields) {
        if (!f.set) {
            continue;
        }
        for (const std::int16_t v : values) {
            (m_engine.*f.set)(77, v);
            EXPECT_EQ((m_engine.*f.get)(77), tagged(f.tag, v)) << f.name << " " << v;
        }
    }
}

TEST_F(CardTable, OutsideTheTableGettersAnswerIntegerZeroAndSettersDoNothing) {
    initialize();
    const std::int16_t outside[] = {0, -1, 151, 200, -32768, 32767};
    for (const Field& f : kFields) {
        const Variant zero =
            f.get == &Class1::GetUser1 ? Variant::fromBoolean(com::False) : Variant::fromInteger(0);
        for (const std::int16_t n : outside) {
            EXPECT_EQ((m_engine.*f.get)(n), zero) << f.name << " " << n;
            if (f.set) {
                (m_engine.*f.set)(n, 10);
            }
        }
    }
    // Nothing landed anywhere: the two neighbouring slots kept their values.
    EXPECT_EQ(m_engine.GetCardX(1), Variant::fromInteger(-72));
    EXPECT_EQ(m_engine.GetCardX(150), Variant::fromInteger(-72));
    EXPECT_EQ(m_engine.GetUser2(150), Variant::fromInteger(0));
}

TEST_F(CardTable, BooleansKeepAnyValue) {
    m_engine.SetCardDisabled(5, 1);
    EXPECT_EQ(m_engine.GetCardDisabled(5), Variant::fromBoolean(1));
    EXPECT_NE(m_engine.GetCardDisabled(5), Variant::fromBoolean(com::True));
}

TEST_F(CardTable, TwoObjectsShareOneTable) {
    Class1 other;
    m_engine.SetCardY(7, 300);
    EXPECT_EQ(other.GetCardY(7), Variant::fromInteger(300));
    other.SetUser3(150, -5);
    EXPECT_EQ(m_engine.GetUser3(150), Variant::fromInteger(-5));
    other.SetCurrentDeck(QStringLiteral("Fancy.bmp"));
    EXPECT_EQ(m_engine.GetCurrentDeck(), QStringLiteral("Fancy.bmp"));
}

struct PackCard {
    const char* name;
    int n;
    std::int16_t color, suit, value;
};

class Pack : public Testbed, public testing::WithParamInterface<PackCard> {};

TEST_P(Pack, InitializeDeckLaysOutTheCard) {
    initialize();
    const PackCard& c = GetParam();
    EXPECT_EQ(m_engine.GetCardColor(std::int16_t(c.n)), Variant::fromInteger(c.color));
    EXPECT_EQ(m_engine.GetCardSuit(std::int16_t(c.n)), Variant::fromInteger(c.suit));
    EXPECT_EQ(m_engine.GetCardValue(std::int16_t(c.n)), Variant::fromInteger(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Cards, Pack,
    testing::Values(PackCard{"Card1", 1, 1, 1, 1}, PackCard{"Card13", 13, 1, 1, 13},
                    PackCard{"Card14", 14, 2, 2, 1}, PackCard{"Card27", 27, 2, 3, 1},
                    PackCard{"Card40", 40, 1, 4, 1}, PackCard{"Card52", 52, 1, 4, 13},
                    PackCard{"Card53", 53, 1, 1, 1}, PackCard{"Card66", 66, 2, 2, 1},
                    PackCard{"Card104", 104, 1, 4, 13}, PackCard{"Back105", 105, 1, 5, 13},
                    PackCard{"Back109", 109, 1, 5, 13}, PackCard{"Further110", 110, 1, 5, 1},
                    PackCard{"Further111", 111, 2, 5, 2}, PackCard{"Further112", 112, 1, 5, 1},
                    PackCard{"Further113", 113, 2, 5, 2}, PackCard{"Spare114", 114, 0, 0, 0},
                    PackCard{"Spare120", 120, 0, 0, 0}, PackCard{"Spare150", 150, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardTable, InitializeDeckParksEveryCardAndKeepsUserFields) {
    m_engine.SetUser1(3, com::True);
    m_engine.SetUser4(120, 99);
    m_engine.SetCardStatus(120, com::True);
    initialize();
    for (int n = 1; n <= 150; ++n) {
        const auto c = std::int16_t(n);
        EXPECT_EQ(m_engine.GetCardX(c), Variant::fromInteger(-72)) << n;
        EXPECT_EQ(m_engine.GetCardY(c), Variant::fromInteger(-97)) << n;
        const Boolean disabled = n <= 113 ? com::False : com::True;
        EXPECT_EQ(m_engine.GetCardDisabled(c), Variant::fromBoolean(disabled)) << n;
        if (n <= 113) {
            EXPECT_EQ(m_engine.GetCardStatus(c), Variant::fromBoolean(com::True)) << n;
            EXPECT_EQ(m_engine.GetCardIsBlocked(c), Variant::fromBoolean(com::False)) << n;
        }
    }
    EXPECT_EQ(m_engine.GetUser1(3), Variant::fromBoolean(com::True));
    EXPECT_EQ(m_engine.GetUser4(120), Variant::fromInteger(99));
    // Status of a spare slot is left as it was.
    EXPECT_EQ(m_engine.GetCardStatus(120), Variant::fromBoolean(com::True));
    EXPECT_EQ(module1().StackOffset, 16);
    EXPECT_EQ(module1().CardBack, 1);
}

TEST_F(CardTable, SetDefaultValuesRestsTheTableAndArmsTheSnapshot) {
    initialize();
    m_engine.SetCardX(113, 5);
    m_engine.SetCardStatus(113, com::False);
    m_engine.SetCardIsBlocked(113, com::True);
    m_engine.SetCardDisabled(113, com::True);
    m_engine.SetUser2(113, 8);
    m_engine.DrawCard(m_window, 0, 0, 0); // takes the snapshot
    ASSERT_FALSE(module1().SnapshotPending);
    m_engine.SetDefaultValues();
    EXPECT_EQ(m_engine.GetCardX(113), Variant::fromInteger(-72));
    EXPECT_EQ(m_engine.GetCardStatus(113), Variant::fromBoolean(com::True));
    EXPECT_EQ(m_engine.GetCardIsBlocked(113), Variant::fromBoolean(com::False));
    EXPECT_EQ(m_engine.GetCardDisabled(113), Variant::fromBoolean(com::False));
    EXPECT_EQ(m_engine.GetUser2(113), Variant::fromInteger(8));
    EXPECT_EQ(m_engine.GetCardColor(113), Variant::fromInteger(2));
    EXPECT_EQ(m_engine.GetCardSuit(114), Variant::fromInteger(0));
    EXPECT_EQ(m_engine.GetCardDisabled(114), Variant::fromBoolean(com::True));
    EXPECT_TRUE(module1().SnapshotPending);
}

TEST_F(CardTable, SetCardBackPointsTheBackCardsAtIt) {
    initialize();
    m_engine.SetCardBack(3);
    for (int n = 105; n <= 109; ++n) {
        EXPECT_EQ(m_engine.GetCardValue(std::int16_t(n)), Variant::fromInteger(11));
        EXPECT_EQ(m_engine.GetCardSuit(std::int16_t(n)), Variant::fromInteger(5));
        EXPECT_EQ(m_engine.GetCardColor(std::int16_t(n)), Variant::fromInteger(1));
    }
    EXPECT_EQ(m_engine.GetCardValue(104), Variant::fromInteger(13));
    // InitializeDeck resets the back.
    initialize();
    EXPECT_EQ(m_engine.GetCardValue(105), Variant::fromInteger(13));
}

TEST_F(CardTable, SetCardBackThatWouldWrapTheValueThrowsAndChangesNothing) {
    initialize();
    m_engine.SetCardBack(4);
    try {
        m_engine.SetCardBack(-32767);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("SetCardBack"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("32781"), std::string::npos) << e.what();
    }
    EXPECT_EQ(module1().CardBack, 4);
    EXPECT_EQ(m_engine.GetCardValue(105), Variant::fromInteger(10));
    m_engine.SetCardBack(-32700); // 14 + 32700 still fits
    EXPECT_EQ(m_engine.GetCardValue(105), Variant::fromInteger(32714));
}

TEST_F(CardTable, UnloadDeckKeepsTheTableAndAnswersEmpty) {
    initialize();
    m_engine.SetCardX(9, 123);
    EXPECT_TRUE(m_engine.UnloadDeck().isEmpty());
    EXPECT_EQ(m_engine.GetCardX(9), Variant::fromInteger(123));
    EXPECT_EQ(module1().DeckDC, 0);
    EXPECT_EQ(module1().TableCopyDC, 0);
}

} // namespace
} // namespace dorvik::test
