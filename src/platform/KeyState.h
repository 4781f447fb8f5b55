#pragma once
// Live state of the modifier keys, read when asked rather than from the event being handled.
#include <optional>
#include <Qt>

namespace KeyState {
bool ShiftDown();
bool CtrlDown();
bool AltDown();
Qt::KeyboardModifiers Modifiers();
// Tests: replace the live state; nullopt returns to it.
void Override(std::optional<Qt::KeyboardModifiers> mods);
} // namespace KeyState
