#pragma once
// The event types the program's own controls publish, as method pointers whose first argument
// is the sender.
#include <QObject>

#include <functional>

using TNotifyEvent = std::function<void(QObject* sender)>;
// Key events: a handler that sets the key to 0 stops the control's own handling.
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;
using TKeyPressEvent = std::function<void(QObject* sender, char& key)>;
// Mouse events carry client pixel coordinates.
using TMouseEvent =
    std::function<void(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)>;
// The wheel: distance in 120ths of a notch; a handler that sets `handled` stops the control's
// own scrolling.
using TMouseWheelEvent = std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int wheelDelta,
                                            int x, int y, bool& handled)>;

// The input events the program's interactive controls publish, each called with the control
// as the sender.
struct TInputEvents {
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
};
