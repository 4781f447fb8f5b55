#include "platform/KeyState.h"

#include "platform/Services.h"

namespace KeyState {
Qt::KeyboardModifiers Modifiers() { return Services().Keys->Modifiers(); }
bool ShiftDown() { return Modifiers() & Qt::ShiftModifier; }
bool CtrlDown() { return Modifiers() & Qt::ControlModifier; }
bool AltDown() { return Modifiers() & Qt::AltModifier; }
} // namespace KeyState
