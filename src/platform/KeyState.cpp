#include "platform/KeyState.h"

#include <QGuiApplication>

namespace {
std::optional<Qt::KeyboardModifiers> gOverride;
}

namespace KeyState {
Qt::KeyboardModifiers Modifiers()
{
    if (gOverride) return *gOverride;
    return QGuiApplication::queryKeyboardModifiers();
}
bool ShiftDown() { return Modifiers() & Qt::ShiftModifier; }
bool CtrlDown() { return Modifiers() & Qt::ControlModifier; }
bool AltDown() { return Modifiers() & Qt::AltModifier; }
void Override(std::optional<Qt::KeyboardModifiers> mods) { gOverride = mods; }
} // namespace KeyState
