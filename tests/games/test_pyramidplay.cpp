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

// The Pyramid game object on a test bed's window and engine, dealt the first deal whose
// pyramid `wanted` accepts.
class PyramidBed : public TableTestBed {
public:
    explicit PyramidBed(const std::function<bool(const Table&)>& wanted)
        : m_game(com::CreateObject("Pyramid.GamePlay")) {
        pyramid().setDialogs(std::make_unique<ScriptedDialogs>());
        com::CallByName(m_game.get(), "SetInstallDir", {com::Variant::fromString(folder())});
        com::CallByName(m_game.get(), "InitializeGame");
        std::uint32_t n = 1;
        while (n < 5000 && !wanted(dealTable(kit::deals::order(n, PackSize), 2))) {
            ++n;
        }
        clearWindow();
        pyramid().dealNumber(hdc(), n);
    }

    kit::Game& pyramid() { return *qobject_cast<kit::Game*>(m_game.get()); }
    const Table& table() { return pyramid().table(); }
    int field(com::Variant (dorvik::Class1::*get)(std::int16_t), const Card& card) {
        return (engine().*get)(card.number).toInteger("engine field");
    }
    QPoint middle(PileId pile) {
        const Card& card = table().pile(pile).back();
        return {field(&dorvik::Class1::GetCardX, card) + 35,
                field(&dorvik::Class1::GetCardY, card) + 48};
    }
    void press(const char* operation, QPoint at) {
        com::CallByName(m_game.get(), operation,
                        {com::Variant::fromLong(hdc()), com::Variant::fromInteger(1),
                         com::Variant::fromInteger(0), com::Variant::fromSingle(float(at.x())),
                         com::Variant::fromSingle(float(at.y()))});
    }
    void dragTo(QPoint from, QPoint to) {
        press("Form_MouseDown", from);
        press("Form_MouseMove", (from + to) / 2);
        press("Form_MouseMove", to);
        press("Form_MouseUp", to);
    }
    void operation(const char* name) {
        com::CallByName(m_game.get(), name, {com::Variant::fromLong(hdc())});
    }

private:
    std::unique_ptr<QObject> m_game;
};

std::optional<std::pair<PileId, PileId>> bottomPair(const Table& table) {
    for (int a = 0; a < Rows; ++a) {
        for (int b = a + 1; b < Rows; ++b) {
            if (table.pile(place(6, a))[0].rank + table.pile(place(6, b))[0].rank == PairSum) {
                return std::pair{place(6, a), place(6, b)};
            }
        }
    }
    return std::nullopt;
}

bool kingAt(const Table& table, int column) {
    return table.pile(place(6, column))[0].rank == 13;
}

TEST(PyramidPlugin, CoveredCardsCannotBePickedAndAPairLeavesByADrag) {
    PyramidBed bed([](const Table& t) { return bottomPair(t).has_value(); });
    const Table dealt = bed.table();
    for (int i = 0; i < Places; ++i) {
        const Card& card = dealt.pile(PileId::tableau(i))[0];
        const int covered = i < Places - Rows ? -1 : 0;
        EXPECT_EQ(bed.field(&dorvik::Class1::GetCardIsBlocked, card), covered) << i;
        EXPECT_EQ(bed.field(&dorvik::Class1::GetCardDisabled, card), covered) << i;
    }
    // The apex, pressed where it shows, stays where it is.
    bed.dragTo(bed.middle(place(0, 0)) - QPoint(0, 30), QPoint(500, 600));
    EXPECT_EQ(bed.table(), dealt);

    const auto [a, b] = *bottomPair(dealt);
    bed.dragTo(bed.middle(a), bed.middle(b));
    EXPECT_TRUE(bed.table().pile(a).empty());
    EXPECT_TRUE(bed.table().pile(b).empty());
    EXPECT_EQ(bed.table().pile(Discard).size(), 2u);
}

TEST(PyramidPlugin, AFreeKingLeavesOnADoubleClick) {
    PyramidBed bed([](const Table& t) { return kingAt(t, 3); });
    const QPoint at = bed.middle(place(6, 3));
    bed.press("Form_MouseDown", at);
    bed.press("Form_MouseUp", at);
    bed.operation("Form_DblClick");
    EXPECT_TRUE(bed.table().pile(place(6, 3)).empty());
    EXPECT_EQ(bed.table().pile(Discard).back().rank, 13);
}

TEST(PyramidPlugin, AHintShowsAPairAndChangesNothing) {
    // No free king: the first hint is a pair, whose cards both leave the table.
    PyramidBed bed([](const Table& t) {
        for (int i = 0; i < Rows; ++i) {
            if (kingAt(t, i)) {
                return false;
            }
        }
        return bottomPair(t).has_value();
    });
    const Table dealt = bed.table();
    const long frames = bed.frames();
    bed.operation("mnuHint_Click");
    EXPECT_GE(bed.frames() - frames, 20) << "the hint stays up for a moment";
    EXPECT_EQ(bed.table(), dealt);
}

} // namespace
} // namespace halvane::pyramid
