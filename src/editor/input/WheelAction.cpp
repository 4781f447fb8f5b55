#include "editor/input/WheelAction.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

TWheelAction WheelActionFor(QPoint angleDelta, Qt::KeyboardModifiers mods, int wheelLines)
{
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    // Some systems turn Alt+wheel into a horizontal turn; it is the same wheel.
    int delta = angleDelta.y();
    if (delta == 0 && alt) delta = angleDelta.x();
    delta = int(int16_t(delta));
    const int notches = std::abs(delta) / 120;
    if (notches == 0) return {};
    const bool towardUser = delta < 0;
    const int lines = notches * std::max(1, wheelLines) * (towardUser ? 1 : -1);
    // One zoom step per turn, however many lines a notch scrolls.
    if (ctrl && !alt) return {towardUser ? TWheelAction::ZoomOut : TWheelAction::ZoomIn, 0};
    return {alt ? TWheelAction::MoveCaret : TWheelAction::Scroll, lines};
}
