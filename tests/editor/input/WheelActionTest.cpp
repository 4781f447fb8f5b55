// What a turn of the wheel does, from its delta, the modifiers and the system's wheel lines.
#include "editor/input/WheelAction.h"

#include <gtest/gtest.h>

namespace {
std::pair<TWheelAction::TKind, int> Turn(QPoint delta, Qt::KeyboardModifiers mods, int wheelLines = 3)
{
    const TWheelAction a = WheelActionFor(delta, mods, wheelLines);
    return {a.Kind, a.Lines};
}
} // namespace

TEST(WheelAction, WholeNotchesScrollOrMoveByTheWheelLinesTowardTheUserDown)
{
    EXPECT_EQ(Turn({0, -120}, Qt::NoModifier), std::make_pair(TWheelAction::Scroll, 3));
    EXPECT_EQ(Turn({0, 240}, Qt::NoModifier), std::make_pair(TWheelAction::Scroll, -6));
    // Part of a notch does nothing; the rest of a notch and a half is dropped.
    EXPECT_EQ(Turn({0, 119}, Qt::NoModifier).first, TWheelAction::None);
    EXPECT_EQ(Turn({0, -180}, Qt::NoModifier), std::make_pair(TWheelAction::Scroll, 3));
    // A setting of 0 wheel lines still scrolls one line a notch.
    EXPECT_EQ(Turn({0, -120}, Qt::NoModifier, 0), std::make_pair(TWheelAction::Scroll, 1));
    // Alt moves the caret, also when the system turned the wheel into a horizontal one.
    EXPECT_EQ(Turn({0, 120}, Qt::AltModifier), std::make_pair(TWheelAction::MoveCaret, -3));
    EXPECT_EQ(Turn({-240, 0}, Qt::AltModifier | Qt::ShiftModifier), std::make_pair(TWheelAction::MoveCaret, 6));
    // Without Alt a horizontal turn is no turn of this wheel.
    EXPECT_EQ(Turn({-240, 0}, Qt::NoModifier).first, TWheelAction::None);
    // The delta is read as 16 bits, as the system reports it.
    EXPECT_EQ(Turn({0, 65536 - 120}, Qt::NoModifier), std::make_pair(TWheelAction::Scroll, 3));
}

TEST(WheelAction, CtrlZoomsOneStepWhateverTheTurnAndCtrlAltMoves)
{
    EXPECT_EQ(Turn({0, 120}, Qt::ControlModifier).first, TWheelAction::ZoomIn);
    EXPECT_EQ(Turn({0, -480}, Qt::ControlModifier).first, TWheelAction::ZoomOut);
    EXPECT_EQ(Turn({0, 60}, Qt::ControlModifier).first, TWheelAction::None);
    EXPECT_EQ(Turn({0, -120}, Qt::ControlModifier | Qt::AltModifier), std::make_pair(TWheelAction::MoveCaret, 3));
}
