#include "platform/com/components.h"
#include "tests/com/variantshorthand.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

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

// The recording game and the one lacking an operation, fresh for every test.
class CallByNameTest : public testing::Test {
protected:
    void SetUp() override {
        com::ClearPluginFolders();
        com::AddPluginFolder(QStringLiteral(COM_FIXTURE_DIR));
        m_recording = com::CreateObject(QStringLiteral("Recording.GamePlay"));
        m_lacking = com::CreateObject(QStringLiteral("Lacking.GamePlay"));
    }
    void TearDown() override { com::ClearPluginFolders(); }

    QObject* object(bool lacking) const { return lacking ? m_lacking.get() : m_recording.get(); }
    QString log() const { return com::CallByName(m_recording.get(), "Log").toString(); }

    std::unique_ptr<QObject> m_recording;
    std::unique_ptr<QObject> m_lacking;
};

// The eight game operations, with arguments of the types the host passes and of others
// that must convert to the parameter types.
struct OperationRow {
    const char* name;
    const char* operation;
    std::vector<Variant> args;
    const char* recorded;
};
class GameOperation : public CallByNameTest, public testing::WithParamInterface<OperationRow> {};

TEST_P(GameOperation, ReachesTheMethodWithConvertedArguments) {
    const OperationRow& row = GetParam();
    EXPECT_TRUE(com::CallByName(m_recording.get(), row.operation, row.args).isEmpty());
    EXPECT_EQ(log().toStdString(), row.recorded);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GameOperation,
    testing::Values(OperationRow{"InitializeGame", "InitializeGame", {}, "InitializeGame()"},
                    OperationRow{"Deal", "mnuDeal_Click", {L(77)}, "mnuDeal_Click(77)"},
                    OperationRow{"Settings", "mnuSettings_Click", {L(-1)}, "mnuSettings_Click(-1)"},
                    OperationRow{"Instructions",
                                 "mnuInstructions_Click",
                                 {L(2147483647)},
                                 "mnuInstructions_Click(2147483647)"},
                    OperationRow{"DblClick", "Form_DblClick", {L(12)}, "Form_DblClick(12)"},
                    OperationRow{"MouseDownAsTheHostSends",
                                 "Form_MouseDown",
                                 {L(5), I(1), I(2), S(3.5f), S(4.25f)},
                                 "Form_MouseDown(5,1,2,3.5,4.25)"},
                    OperationRow{"MouseMoveOtherTypes",
                                 "Form_MouseMove",
                                 {I(9), L(1), T(" 4 "), I(10), L(-20)},
                                 "Form_MouseMove(9,1,4,10,-20)"},
                    OperationRow{"MouseUpRoundsSinglesHalfToEven",
                                 "Form_MouseUp",
                                 {S(6.5f), S(2.5f), S(1.5f), T("0.5"), B(com::True)},
                                 "Form_MouseUp(6,2,2,0.5,-1)"},
                    OperationRow{"EmptyArgumentsGiveZero",
                                 "Form_MouseDown",
                                 {Variant(), Variant(), Variant(), Variant(), Variant()},
                                 "Form_MouseDown(0,0,0,0,0)"},
                    OperationRow{"PublicSlot", "PublicSlot", {I(4)}, "PublicSlot(4)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Results come back as the Variant type matching the method's result type.
struct ResultRow {
    const char* name;
    const char* operation;
    std::vector<Variant> args;
    Variant expected;
};
class CallResult : public CallByNameTest, public testing::WithParamInterface<ResultRow> {};

TEST_P(CallResult, ComesBackAsAVariant) {
    const ResultRow& row = GetParam();
    const Variant got = com::CallByName(m_recording.get(), row.operation, row.args);
    EXPECT_EQ(got, row.expected) << got.describe().toStdString() << " instead of "
                                 << row.expected.describe().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, CallResult,
    testing::Values(ResultRow{"DoubleFromSingle", "Twice", {S(1.25f)}, S(2.5f)},
                    ResultRow{"DoubleKeepsAllOfALong", "Twice", {L(1073741825)}, S(2147483650.0f)},
                    ResultRow{"BoolFromZero", "Not", {B(com::False)}, B(com::True)},
                    ResultRow{"BoolFromOddBoolean", "Not", {B(3)}, B(com::False)},
                    ResultRow{"BoolFromString", "Not", {T("0")}, B(com::True)},
                    ResultRow{"StringAndShort", "Join", {T("ab"), I(3)}, T("ababab")},
                    ResultRow{"VariantArrayUntouched",
                              "Echo",
                              {A({I(1), T("x"), A({})})},
                              A({I(1), T("x"), A({})})},
                    ResultRow{"Short", "Negate", {I(5)}, I(-5)},
                    ResultRow{"Float", "Scale", {S(0.5f)}, S(5.0f)},
                    ResultRow{"OverloadIntFirst", "Pick", {L(3)}, T("int 3")},
                    ResultRow{"OverloadNumericString", "Pick", {T("7")}, T("int 7")},
                    ResultRow{"OverloadFallsToString", "Pick", {T("x")}, T("text x")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CallByNameTest, IntResultComesBackAsLong) {
    const Variant serial = com::CallByName(m_recording.get(), "Serial");
    EXPECT_EQ(serial.type(), Variant::Type::Long);
    EXPECT_GT(serial.toLong(), 0);
}

struct FailureRow {
    const char* name;
    bool onLacking; // call the object lacking Form_DblClick instead of the recording one
    const char* operation;
    std::vector<Variant> args;
    const char* message; // the whole message
};
class CallFailure : public CallByNameTest, public testing::WithParamInterface<FailureRow> {};

TEST_P(CallFailure, RaisesAndCallsNothing) {
    const FailureRow& row = GetParam();
    try {
        com::CallByName(object(row.onLacking), row.operation, row.args);
        ADD_FAILURE() << "no error";
    } catch (const com::Error& error) {
        EXPECT_EQ(std::string(error.what()), row.message);
    }
    EXPECT_EQ(log(), QString()); // nothing ran, not even in part
    // Asking finds exactly what the call finds: a name the call knows but cannot call
    // with these arguments is still an operation of the object.
    const bool unknown = std::string(row.message).find("has no operation") != std::string::npos;
    EXPECT_EQ(com::HasOperation(object(row.onLacking), row.operation), !unknown);
}

const Variant Zero = S(0.0f);

INSTANTIATE_TEST_SUITE_P(
    Table, CallFailure,
    testing::Values(
        FailureRow{"MissingOperation",
                   true,
                   "Form_DblClick",
                   {L(1)},
                   "Lacking.GamePlay has no operation \"Form_DblClick\""},
        FailureRow{"NameCaseDiffers",
                   false,
                   "form_dblclick",
                   {L(1)},
                   "Recording.GamePlay has no operation \"form_dblclick\""},
        FailureRow{"EmptyName", false, "", {}, "Recording.GamePlay has no operation \"\""},
        FailureRow{"SignalIsNoOperation",
                   false,
                   "Changed",
                   {},
                   "Recording.GamePlay has no operation \"Changed\""},
        FailureRow{"PrivateSlotIsNoOperation",
                   false,
                   "Hidden",
                   {},
                   "Recording.GamePlay has no operation \"Hidden\""},
        FailureRow{"QObjectMethodsAreNoOperations",
                   false,
                   "deleteLater",
                   {},
                   "Recording.GamePlay has no operation \"deleteLater\""},
        FailureRow{"MissingArgument",
                   false,
                   "Form_MouseDown",
                   {L(1), I(1), I(0), Zero},
                   "Recording.GamePlay.Form_MouseDown takes 5 argument(s), 4 given"},
        FailureRow{"ExtraArgument",
                   false,
                   "mnuDeal_Click",
                   {L(1), L(2)},
                   "Recording.GamePlay.mnuDeal_Click takes 1 argument(s), 2 given"},
        FailureRow{"ShiftNotANumber",
                   false,
                   "Form_MouseDown",
                   {L(1), I(1), T("abc"), Zero, Zero},
                   "Recording.GamePlay.Form_MouseDown: argument 3 (\"Shift\") cannot be "
                   "converted: string \"abc\" is not a number"},
        FailureRow{"ButtonOutOfRange",
                   false,
                   "Form_MouseUp",
                   {L(1), L(70000), I(0), Zero, Zero},
                   "Recording.GamePlay.Form_MouseUp: argument 2 (\"Button\") cannot be "
                   "converted: 70000 is outside the Integer range -32768 to 32767"},
        FailureRow{"ArrayForHdc",
                   false,
                   "mnuDeal_Click",
                   {A({L(1)})},
                   "Recording.GamePlay.mnuDeal_Click: argument 1 (\"hdc\") cannot be "
                   "converted: an Array cannot be converted to Long"},
        FailureRow{"UnsupportedParameterType",
                   false,
                   "TakePoint",
                   {L(1)},
                   "Recording.GamePlay.TakePoint: argument 1 cannot be converted: the "
                   "parameter type QPoint is not supported"},
        FailureRow{"UnsupportedResultType",
                   false,
                   "GivePoint",
                   {},
                   "Recording.GamePlay.GivePoint: its result type QPoint cannot be handed back"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CallByNameTest, NullObjectIsAnError) {
    try {
        com::CallByName(nullptr, "InitializeGame");
        ADD_FAILURE() << "no error";
    } catch (const com::Error& error) {
        EXPECT_STREQ(error.what(), "cannot call \"InitializeGame\": there is no object");
    }
}

TEST_F(CallByNameTest, NullObjectOrNameHasNoOperation) {
    EXPECT_FALSE(com::HasOperation(nullptr, "InitializeGame"));
    EXPECT_FALSE(com::HasOperation(m_recording.get(), nullptr));
    EXPECT_TRUE(com::HasOperation(m_recording.get(), "InitializeGame"));
}

TEST_F(CallByNameTest, ExceptionFromTheMethodPassesThroughUnchanged) {
    try {
        com::CallByName(m_recording.get(), "Fail", {T("the stock is empty")});
        ADD_FAILURE() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "the stock is empty");
    }
    // The object is still usable afterwards.
    com::CallByName(m_recording.get(), "InitializeGame");
    EXPECT_EQ(log(), QStringLiteral("InitializeGame()"));
}

} // namespace
