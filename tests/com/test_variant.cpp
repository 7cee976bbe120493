#include "platform/com/variant.h"
#include "tests/com/variantshorthand.h"

#include <gtest/gtest.h>

#include <QVariant>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

using com::Variant;
using namespace com::test;

namespace {

// Table rows print as their names in test output.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

const float NaN = std::numeric_limits<float>::quiet_NaN();
const float Inf = std::numeric_limits<float>::infinity();

// One conversion of one value: either the expected result or a part of the error text.
template <typename Result> struct Row {
    const char* name;
    Variant input;
    std::optional<Result> expected;
    const char* errorPart = nullptr;
};

template <typename Result> std::string rowName(const testing::TestParamInfo<Row<Result>>& info) {
    return info.param.name;
}

// Runs `convert` on a row: the value must match, or the error must name "Arg" (the
// `what` given) and carry the expected reason.
template <typename Result, typename Convert> void check(const Row<Result>& row, Convert convert) {
    if (row.expected) {
        EXPECT_EQ(convert(row.input), *row.expected);
        return;
    }
    try {
        const Result got = convert(row.input);
        ADD_FAILURE() << "expected an error containing \"" << row.errorPart << "\", got a value "
                      << testing::PrintToString(got);
    } catch (const com::Error& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Arg: ", 0), 0u) << message;
        EXPECT_NE(message.find(row.errorPart), std::string::npos) << message;
    }
}

using IntegerRow = Row<std::int16_t>;
class ToInteger : public testing::TestWithParam<IntegerRow> {};
TEST_P(ToInteger, ConvertsOrNamesTheProblem) {
    check(GetParam(), [](const Variant& v) { return v.toInteger("Arg"); });
}
INSTANTIATE_TEST_SUITE_P(
    Table, ToInteger,
    testing::Values(
        IntegerRow{"Empty", Variant(), 0}, IntegerRow{"Integer", I(-7), -7},
        IntegerRow{"BooleanTrue", B(com::True), -1}, IntegerRow{"BooleanKeepsOddValue", B(5), 5},
        IntegerRow{"LongAtTop", L(32767), 32767}, IntegerRow{"LongAtBottom", L(-32768), -32768},
        IntegerRow{"LongAboveRange", L(32768), std::nullopt, "outside the Integer range"},
        IntegerRow{"SingleHalfDown", S(2.5f), 2}, IntegerRow{"SingleHalfUp", S(3.5f), 4},
        IntegerRow{"SingleNegativeHalf", S(-2.5f), -2},
        IntegerRow{"SingleNegativeHalfUp", S(-3.5f), -4},
        IntegerRow{"SingleZeroPointFive", S(0.5f), 0},
        IntegerRow{"SingleBelowHalf", S(2.4999998f), 2},
        IntegerRow{"SingleAboveHalf", S(2.5000002f), 3},
        IntegerRow{"SingleRoundsIntoRange", S(-32768.5f), -32768},
        IntegerRow{"SingleRoundsOutOfRange", S(32767.5f), std::nullopt, "outside"},
        IntegerRow{"SingleNaN", S(NaN), std::nullopt, "NaN"},
        IntegerRow{"SingleInfinity", S(Inf), std::nullopt, "outside"},
        IntegerRow{"StringWithBlanks", T(" 42 "), 42}, IntegerRow{"StringHalf", T("2.5"), 2},
        IntegerRow{"StringExponent", T("1e3"), 1000},
        IntegerRow{"StringTooLarge", T("40000"), std::nullopt, "outside"},
        IntegerRow{"StringLetters", T("abc"), std::nullopt, "\"abc\" is not a number"},
        IntegerRow{"StringEmpty", T(""), std::nullopt, "is not a number"},
        IntegerRow{"StringNumberThenText", T("3 cards"), std::nullopt, "not a number"},
        IntegerRow{"Array", A({I(1)}), std::nullopt, "Array"}),
    rowName<std::int16_t>);

using LongRow = Row<std::int32_t>;
class ToLong : public testing::TestWithParam<LongRow> {};
TEST_P(ToLong, ConvertsOrNamesTheProblem) {
    check(GetParam(), [](const Variant& v) { return v.toLong("Arg"); });
}
INSTANTIATE_TEST_SUITE_P(
    Table, ToLong,
    testing::Values(LongRow{"Empty", Variant(), 0}, LongRow{"Integer", I(-5), -5},
                    LongRow{"BooleanKeepsOddValue", B(7), 7},
                    LongRow{"LongTop", L(std::numeric_limits<std::int32_t>::max()),
                            std::numeric_limits<std::int32_t>::max()},
                    LongRow{"LongBottom", L(std::numeric_limits<std::int32_t>::min()),
                            std::numeric_limits<std::int32_t>::min()},
                    LongRow{"SingleHalfToEven", S(6.5f), 6},
                    LongRow{"SingleTwoToThe31", S(2147483648.0f), std::nullopt,
                            "outside the Long range"},
                    LongRow{"SingleMinusTwoToThe31", S(-2147483648.0f),
                            std::numeric_limits<std::int32_t>::min()},
                    LongRow{"StringTop", T("2147483647"), 2147483647},
                    LongRow{"StringAboveTop", T("2147483648"), std::nullopt, "outside"},
                    LongRow{"StringLetters", T("x1"), std::nullopt, "not a number"},
                    LongRow{"Array", A({}), std::nullopt, "Array"}),
    rowName<std::int32_t>);

using SingleRow = Row<float>;
class ToSingle : public testing::TestWithParam<SingleRow> {};
TEST_P(ToSingle, ConvertsOrNamesTheProblem) {
    check(GetParam(), [](const Variant& v) { return v.toSingle("Arg"); });
}
INSTANTIATE_TEST_SUITE_P(
    Table, ToSingle,
    testing::Values(SingleRow{"Empty", Variant(), 0.0f}, SingleRow{"Integer", I(3), 3.0f},
                    SingleRow{"Boolean", B(com::True), -1.0f},
                    SingleRow{"LongNearestFloat", L(16777217), 16777216.0f},
                    SingleRow{"Single", S(0.25f), 0.25f}, SingleRow{"StringTenth", T("0.1"), 0.1f},
                    SingleRow{"StringBlanks", T("  -7.5\t"), -7.5f},
                    SingleRow{"StringBeyondSingle", T("1e39"), std::nullopt,
                              "outside the Single range"},
                    // The text of the largest Single reads back as that Single.
                    SingleRow{"StringLargestSingle", T("-3.4028235e+38"),
                              -std::numeric_limits<float>::max()},
                    SingleRow{"StringRoundsToInfinity", T("3.40282357e+38"), std::nullopt,
                              "outside the Single range"},
                    SingleRow{"StringInfinity", T("inf"), std::nullopt, "not a number"},
                    SingleRow{"StringLetters", T("seven"), std::nullopt, "not a number"},
                    SingleRow{"Array", A({S(1)}), std::nullopt, "Array"}),
    rowName<float>);

using StringRow = Row<QString>;
class ToString : public testing::TestWithParam<StringRow> {};
TEST_P(ToString, ConvertsOrNamesTheProblem) {
    check(GetParam(), [](const Variant& v) { return v.toString("Arg"); });
}
INSTANTIATE_TEST_SUITE_P(
    Table, ToString,
    testing::Values(StringRow{"Empty", Variant(), QString()},
                    StringRow{"Integer", I(-3), QStringLiteral("-3")},
                    StringRow{"BooleanAsNumber", B(com::True), QStringLiteral("-1")},
                    StringRow{"Long", L(2147483647), QStringLiteral("2147483647")},
                    StringRow{"SingleHalf", S(2.5f), QStringLiteral("2.5")},
                    StringRow{"SingleShortest", S(0.1f), QStringLiteral("0.1")},
                    StringRow{"StringAsIs", T(" a=b "), QStringLiteral(" a=b ")},
                    StringRow{"Array", A({}), std::nullopt, "Array"}),
    rowName<QString>);

TEST(VariantElements, ArrayGivesItsElementsFromIndexZero) {
    const Variant list = A({I(4), T("x"), A({L(9)})});
    ASSERT_EQ(list.elements().size(), 3u);
    EXPECT_EQ(list.elements()[0], I(4));
    EXPECT_EQ(list.elements()[1], T("x"));
    EXPECT_EQ(list.elements()[2].elements("inner")[0], L(9));
    EXPECT_TRUE(list.isArray());
}

TEST(VariantElements, OtherTypesRaiseNamingWhat) {
    for (const Variant& v : {Variant(), I(1), T("a")}) {
        try {
            (void)v.elements("Cards");
            ADD_FAILURE() << "no error for " << v.describe().toStdString();
        } catch (const com::Error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Cards: ", 0), 0u) << error.what();
        }
    }
}

struct EqualityRow {
    const char* name;
    Variant left, right;
    bool equal;
};
class VariantEquality : public testing::TestWithParam<EqualityRow> {};
TEST_P(VariantEquality, ComparesTypeAndValue) {
    EXPECT_EQ(GetParam().left == GetParam().right, GetParam().equal);
    EXPECT_EQ(GetParam().right == GetParam().left, GetParam().equal);
}
INSTANTIATE_TEST_SUITE_P(Table, VariantEquality,
                         testing::Values(EqualityRow{"EmptyEmpty", Variant(), Variant(), true},
                                         EqualityRow{"SameInteger", I(3), I(3), true},
                                         EqualityRow{"IntegerVersusLong", I(1), L(1), false},
                                         EqualityRow{"BooleanVersusInteger", B(-1), I(-1), false},
                                         EqualityRow{"SingleNaNMatchesNaN", S(NaN), S(NaN), true},
                                         EqualityRow{"StringCaseMatters", T("a"), T("A"), false},
                                         EqualityRow{"EmptyVersusEmptyString", Variant(), T(""),
                                                     false},
                                         EqualityRow{"NestedArrays", A({I(1), A({T("x")})}),
                                                     A({I(1), A({T("x")})}), true},
                                         EqualityRow{"ArrayElement", A({I(1)}), A({I(2)}), false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VariantMetaType, IsKnownByNameAndTravelsInsideQVariantUnchanged) {
    const Variant value = A({B(5), S(1.25f), T("x")});
    const QVariant boxed = QVariant::fromValue(value);
    EXPECT_EQ(boxed.metaType(), QMetaType::fromType<com::Variant>());
    EXPECT_EQ(boxed.value<com::Variant>(), value);
    EXPECT_EQ(QMetaType::fromName("com::Variant"), QMetaType::fromType<com::Variant>());
}

} // namespace
