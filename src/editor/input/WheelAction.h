#pragma once
// What one turn of the mouse wheel does in the editor: Ctrl zooms one step whatever the turn,
// Alt moves the caret (extending the selection with Shift) and a plain turn scrolls, each by
// the system's wheel lines for every whole notch.
#include <QPoint>
#include <Qt>

struct TWheelAction {
    enum TKind { None, ZoomIn, ZoomOut, MoveCaret, Scroll };
    TKind Kind = None;
    // Lines to move or scroll: negative up, positive down (toward the user).
    int Lines = 0;
};

// `angleDelta` in 120ths of a notch; `wheelLines` is the system's lines per notch.
TWheelAction WheelActionFor(QPoint angleDelta, Qt::KeyboardModifiers mods, int wheelLines);
