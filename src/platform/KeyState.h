#pragma once
// Live state of the modifier keys, read when asked rather than from the event being handled
// (from the services' keyboard).
#include <Qt>

namespace KeyState {
bool ShiftDown();
bool CtrlDown();
bool AltDown();
Qt::KeyboardModifiers Modifiers();
} // namespace KeyState
