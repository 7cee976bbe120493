// The Pyramid plug-in through its operations with the real engine, on the table window
// of the Klondike tests: covered cards cannot be picked, a pair leaves by a drag, a king
// by a double click, and a hint shows a pair without changing the table.

#include "tabletestbed.h"

#include "games/kit/dealnumber.h"
#include "games/pyramid/pyramidrules.h"

#include "platform/com/components.h"

#include <gtest/gtest.h>

#include <functional>

namespace halvane::pyramid {
namespace {

using klondike::test::ScriptedDialogs;
using klondike::test::TableTestBed;

// The Pyramid game object on a test bed's window and engine.
class PyramidBed {
public:
    PyramidBed() : m_game(com::CreateObject("Pyramid.GamePlay")) {
        auto dialogs = std::make_unique<ScriptedDialogs>();
        m_dialogs = dialogs.get();
        game().setDialogs(std::move(dialogs));
        com::CallByName(m_game.get(), "SetInstallDir", {com::Variant::fromString(m_bed.folder())});
        com::CallByName(m_game.get(), "InitializeGame");
    }

    kit::Game& game() { return *qobject_cast<kit::Game*>(m_game.get()); }
    TableTestBed& bed() { return m_bed; }
    ScriptedDialogs& dialogs() { return *m_dialogs; }
    const Table& table() { return game().table(); }
    void deal(std::uint32_t number) {
        m_bed.clearWindow();
        game().dealNumber(m_bed.hdc(), number);
    }
    int engine(com::Variant (dorvik::Class1::*field)(std::int16_t), int card) {
        return (m_bed.engine().*field)(std::int16_t(card)).toInteger("engine field");
    }
    // The middle of card `number` as the engine has it.
    QPoint middle(int number) {
        return {engine(&dorvik::Class1::GetCardX, number) + 35,
                engine(&dorvik::Class1::GetCardY, number) + 48};
    }
    void mouse(const char* operation, QPoint at) {
        com::CallByName(m_game.get(), operation,
                        {com::Variant::fromLong(m_bed.hdc()), com::Variant::fromInteger(1),
                         com::Variant::fromInteger(0), com::Variant::fromSingle(float(at.x())),
                         com::Variant::fromSingle(float(at.y()))});
    }
    void drag(QPoint from, QPoint to) {
        mouse("Form_MouseDown", from);
        for (int step = 1; step <= 3; ++step) {
            mouse("Form_MouseMove", from + (to - from) * step / 3);
        }
        mouse("Form_MouseUp", to);
    }
    void call(const char* operation) {
        com::CallByName(m_game.get(), operation, {com::Variant::fromLong(m_bed.hdc())});
    }

private:
    TableTestBed m_bed; // first: the plug-in folder and the engine's deck
    std::unique_ptr<QObject> m_game;
    ScriptedDialogs* m_dialogs = nullptr; // owned by the game
};

// The first deal whose bottom row offers what `wanted` looks for, with its places.
std::uint32_t dealWhere(const std::function<bool(const Table&)>& wanted) {
    for (std::uint32_t n = 1; n < 5000; ++n) {
        if (wanted(dealTable(kit::deals::order(n, PackSize), 2))) {
            return n;
        }
    }
    ADD_FAILURE() << "no deal number gives the deal wanted";
    return 1;
}

std::optional<std::pair<PileId, PileId>> bottomPair(const Table& table) {
    for (int a = 0; a < Rows; ++a) {
        for (int b = 0; b < Rows; ++b) {
            if (table.pile(place(6, a))[0].rank + table.pile(place(6, b))[0].rank == PairSum) {
                return std::pair{place(6, a), place(6, b)};
            }
        }
    }
    return std::nullopt;
}

TEST(PyramidPlugin, CoveredCardsCannotBePickedAndAPairLeavesByADrag) {
    PyramidBed bed;
    bed.deal(dealWhere([](const Table& t) { return bottomPair(t).has_value(); }));
    const Table dealt = bed.table();
    for (int i = 0; i < Places; ++i) {
        const int card = dealt.pile(PileId::tableau(i))[0].number;
        const int covered = i < Places - Rows ? -1 : 0;
        SCOPED_TRACE(PileId::tableau(i).describe().toStdString());
        EXPECT_EQ(bed.engine(&dorvik::Class1::GetCardIsBlocked, card), covered);
        EXPECT_EQ(bed.engine(&dorvik::Class1::GetCardDisabled, card), covered);
    }

    // A covered card, pressed where it shows, stays where it is.
    const int apex = dealt.pile(place(0, 0))[0].number;
    const QPoint apexTop = bed.middle(apex) - QPoint(0, 30);
    bed.drag(apexTop, apexTop + QPoint(0, 300));
    EXPECT_EQ(bed.table(), dealt);

    const auto [a, b] = *bottomPair(dealt);
    bed.drag(bed.middle(dealt.pile(a)[0].number), bed.middle(dealt.pile(b)[0].number));
    EXPECT_TRUE(bed.table().pile(a).empty());
    EXPECT_TRUE(bed.table().pile(b).empty());
    EXPECT_EQ(bed.table().pile(Discard).size(), 2u);
    EXPECT_EQ(bed.table().counters.moves, 1);
}

TEST(PyramidPlugin, AFreeKingLeavesOnADoubleClick) {
    PyramidBed bed;
    bed.deal(dealWhere([](const Table& t) { return t.pile(place(6, 3))[0].rank == 13; }));
    const int king = bed.table().pile(place(6, 3))[0].number;
    const QPoint at = bed.middle(king);
    bed.mouse("Form_MouseDown", at);
    bed.mouse("Form_MouseUp", at);
    bed.call("Form_DblClick");
    bed.mouse("Form_MouseUp", at);
    EXPECT_TRUE(bed.table().pile(place(6, 3)).empty());
    EXPECT_EQ(bed.table().pile(Discard).back().number, king);
}

TEST(PyramidPlugin, AHintShowsAPairAndChangesNothing) {
    // No free king: the first hint is a pair, whose cards both leave the table.
    const auto pairOnly = [](const Table& t) {
        for (int i = 0; i < Rows; ++i) {
            if (t.pile(place(6, i))[0].rank == 13) {
                return false;
            }
        }
        return bottomPair(t).has_value();
    };
    PyramidBed bed;
    bed.deal(dealWhere(pairOnly));
    const Table dealt = bed.table();
    const long frames = bed.bed().frames();
    bed.call("mnuHint_Click");
    EXPECT_GE(bed.bed().frames() - frames, 20) << "the hint stays up for a moment";
    EXPECT_EQ(bed.table(), dealt);
    EXPECT_TRUE(bed.dialogs().said.empty());
}

} // namespace
} // namespace halvane::pyramid
