// The mouse: hit-testing, clicks and drags that place the caret and build the selection,
// Ctrl+click word selection, moving or copying the selection by dragging it, the drag
// cursors while hovering, and the wheel.
#include "editor/TextEditorEx.h"

#include "editor/input/WheelAction.h"
#include "editor/model/LineLayout.h"
#include "platform/Pointer.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>

TPoint TTextEditorEx::HitTest(int px, int py) const
{
    const TPoint c = Grid().CellAt(px, py, ScrollPos.GetPoint());
    const int line = std::min(c.Y, FDoc.Count() - 1);
    // A cell boundary inside a wide character places the caret where it begins, as one
    // inside a user-perceived character does.
    const TLineCells cells(FDoc[line]);
    return {cells.ColumnAt(std::min(c.X, cells.CellCount())), line};
}

void TTextEditorEx::mousePressEvent(QMouseEvent* e)
{
    const TPoint c = ClientFromWidget(e->position().toPoint());
    const Qt::KeyboardModifiers mods = e->modifiers();
    if (OnMouseDown) OnMouseDown(this, e->button(), mods, c.X, c.Y);
    e->accept();
    if (FSettings->HideHelperOnClick()) HideListMenu();
    const bool ctrl = mods & Qt::ControlModifier;

    if (!FSettings->ReadOnly()) {
        if (e->button() != Qt::LeftButton) return;
        if (FDrag.Press(HitTest(c.X, c.Y), ctrl)) return;
    }

    // Outside the selection, or any press in a read-only editor.
    TCaretPos& target = (mods & Qt::ShiftModifier) ? SelEndPos : CaretPos;
    target.SetPoint(HitTest(c.X, c.Y));
    if ((focusPolicy() & Qt::ClickFocus) && isEnabled() && isVisible()) setFocus(Qt::MouseFocusReason);
    St.MouseSelecting = true;
    if (ctrl) SelectWordAtCaret();
}

void TTextEditorEx::mouseMoveEvent(QMouseEvent* e)
{
    const TPoint c = ClientFromWidget(e->position().toPoint());
    if (OnMouseMove) OnMouseMove(this, e->modifiers(), c.X, c.Y);
    e->accept();
    if (St.DraggingSelection && !(e->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (a message box took it): the text goes back.
        CancelDrag();
    } else if (St.DraggingSelection) {
        FDrag.Follow(HitTest(c.X, c.Y));
    } else if (St.MouseSelecting) {
        SelEndPos.SetPoint(HitTest(c.X, c.Y));
    } else {
        MouseHover(c, e->modifiers() & Qt::ControlModifier);
    }
}

void TTextEditorEx::MouseHover(TPoint client, bool ctrl)
{
    // Half a cell to the left, so the cursor changes over the character's own cell.
    if (IsSelected(HitTest(client.X - FCharWidth / 2, client.Y)))
        setCursor(CustomCursor(ctrl ? 13 : 12));
    else
        setCursor(Qt::IBeamCursor);
}

void TTextEditorEx::RerunMouseMove(bool ctrl)
{
    const TPoint c = ClientFromWidget(mapFromGlobal(QCursor::pos()));
    if (St.DraggingSelection)
        FDrag.Follow(HitTest(c.X, c.Y));
    else if (St.MouseSelecting)
        SelEndPos.SetPoint(HitTest(c.X, c.Y));
    else
        MouseHover(c, ctrl);
}

void TTextEditorEx::CancelDrag()
{
    St.MouseSelecting = false;
    FDrag.Cancel();
}

void TTextEditorEx::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (e->button() != Qt::LeftButton) return;
    const TPoint c = ClientFromWidget(e->position().toPoint());
    if (St.DraggingSelection) FDrag.Drop(HitTest(c.X, c.Y));
    St.MouseSelecting = false;
    St.DraggingSelection = false;
    if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), c.X, c.Y);
    if (OnClick && rect().contains(e->position().toPoint())) OnClick(this);
}

void TTextEditorEx::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click is a press like the first; no word is selected.
    mousePressEvent(e);
    if (OnDblClick) OnDblClick(this);
}

void TTextEditorEx::wheelEvent(QWheelEvent* e)
{
    e->accept();
    const TWheelAction a = WheelActionFor(e->angleDelta(), e->modifiers(), WheelScrollLines());
    switch (a.Kind) {
    case TWheelAction::ZoomIn: ZoomIn(); break;
    case TWheelAction::ZoomOut: ZoomOut(); break;
    case TWheelAction::MoveCaret:
        for (int i = 0; i < std::abs(a.Lines); ++i)
            MoveByKey(a.Lines > 0 ? Qt::Key_Down : Qt::Key_Up, e->modifiers() & Qt::ShiftModifier, false);
        break;
    case TWheelAction::Scroll: ScrollBy(0, a.Lines); break;
    case TWheelAction::None: break;
    }
}
