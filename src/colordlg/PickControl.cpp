#include "colordlg/PickControl.h"

#include "platform/Pointer.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

TPickControl::~TPickControl() { EndDrag(); }

void TPickControl::BeginDrag(TPoint from, TPoint to)
{
    const QPoint a = mapToGlobal(QPoint(from.X, from.Y)), b = mapToGlobal(QPoint(to.X, to.Y));
    ClipCursor(Rect(a.x(), a.y(), b.x(), b.y()));
    FDragging = true;
}

void TPickControl::EndDrag()
{
    if (!FDragging) return;
    FDragging = false;
    ReleaseCursorClip();
}

// The second press of a double click is a press like any other.
void TPickControl::MouseDown(QMouseEvent* e, bool)
{
    FPressedInside = rect().contains(e->position().toPoint());
    Press(e);
}

bool TPickControl::MouseUp(QMouseEvent* e)
{
    ReleaseCursorClip();
    FDragging = false;
    const bool click = e->button() == Qt::LeftButton && FPressedInside;
    FPressedInside = false;
    return click;
}

void TPickControl::contextMenuEvent(QContextMenuEvent* e)
{
    if (FPopupMenu) FPopupMenu->popup(e->globalPos());
}

void TPickControl::hideEvent(QHideEvent* e)
{
    EndDrag();
    TCanvasControl::hideEvent(e);
}

void TPickControl::changeEvent(QEvent* e)
{
    if ((e->type() == QEvent::ActivationChange && !isActiveWindow()) ||
        (e->type() == QEvent::EnabledChange && !isEnabled()))
        EndDrag();
    TCanvasControl::changeEvent(e);
}
