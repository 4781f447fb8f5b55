#include "editor/input/SelectionDrag.h"

#include "editor/TextEditorEx.h"
#include "platform/Pointer.h"

bool TSelectionDrag::Press(TPoint p, bool copy)
{
    St.DraggingSelection = Editor.IsSelected(p);
    if (St.DraggingSelection) Start(copy);
    return St.DraggingSelection;
}

void TSelectionDrag::Start(bool copy)
{
    TPoint start, end;
    Editor.GetSelection(start, end);
    if (start == end) return;
    St.DragText = Editor.GetRange(start, end);
    St.DragOrigin = start;
    // A move takes the text away now and puts it back at the release; a copy (Ctrl) leaves
    // it where it is.
    St.DragRemoved = !copy;
    if (St.DragRemoved) Editor.DeleteRange(start, end);
    // The selection is gone with its text, Shift or not: an end left behind would lie past
    // the shortened text.
    Editor.PlaceCaretCollapsed(start, true);
    const TPoint cell = Editor.CellPoint(start);
    const QPoint global = Editor.ClientToGlobal({cell.X, cell.Y + Editor.LineHeight() / 2});
    SetCursorPos(global.x(), global.y());
}

void TSelectionDrag::Follow(TPoint p)
{
    // The caret, without a selection, shows where the text will drop.
    Editor.PlaceCaretCollapsed(p);
}

void TSelectionDrag::Drop(TPoint p)
{
    if (!St.DraggingSelection) return;
    std::vector<std::string> text = std::move(St.DragText);
    St.DragText.clear();
    Editor.InsertLines(p, std::move(text));
    Editor.Repaint();
    St.DraggingSelection = false;
}

void TSelectionDrag::Cancel()
{
    if (!St.DraggingSelection) return;
    St.DraggingSelection = false;
    std::vector<std::string> text = std::move(St.DragText);
    St.DragText.clear();
    if (!St.DragRemoved) return;
    const TPoint origin = Editor.ClampToText(St.DragOrigin);
    Editor.InsertLines(origin, std::move(text));
    Editor.Repaint();
    Editor.PlaceCaretCollapsed(Editor.ClampToText(St.DragOrigin), true);
}
