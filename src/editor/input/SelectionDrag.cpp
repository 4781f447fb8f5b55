#include "editor/input/SelectionDrag.h"

#include "editor/view/EditorTextArea.h"
#include "platform/Pointer.h"

#include <utility>

bool TSelectionDrag::Press(TPoint p, bool copy)
{
    St.DraggingSelection = H.Selection().Contains(p.Y, p.X);
    if (St.DraggingSelection) Start(copy);
    return St.DraggingSelection;
}

void TSelectionDrag::Start(bool copy)
{
    const TSelectionSpan s = H.Selection();
    if (s.Start == s.End) return;
    St.DragText = H.Document().GetRange(s.Start, s.End);
    St.DragOrigin = s.Start;
    // A move takes the text away now and puts it back at the release; a copy (Ctrl) leaves
    // it where it is. The selection is gone with its text, Shift or not: an end left behind
    // would lie past the shortened text.
    St.DragRemoved = !copy;
    if (St.DragRemoved) H.ApplyEdit(H.Document().DeleteRange(s.Start, s.End), TCaretAfterEdit::Collapsed);
    else H.PlaceCaretCollapsed(s.Start, true);
    const TPoint cell = H.CellPoint(s.Start);
    const QPoint global = H.View()->mapToGlobal(QPoint(cell.X, cell.Y + H.LineHeight() / 2));
    SetCursorPos(global.x(), global.y());
}

void TSelectionDrag::Follow(TPoint p)
{
    // The caret, without a selection, shows where the text will drop.
    H.PlaceCaretCollapsed(p, false);
}

void TSelectionDrag::Drop(TPoint p)
{
    if (!St.DraggingSelection) return;
    St.DraggingSelection = false;
    // The caret stays at the drop point, the start of the text put there.
    H.ApplyEdit(H.Document().InsertLines(p, std::exchange(St.DragText, {})), TCaretAfterEdit::Stays);
}

void TSelectionDrag::Cancel()
{
    if (!St.DraggingSelection) return;
    St.DraggingSelection = false;
    std::vector<std::string> text = std::exchange(St.DragText, {});
    if (!St.DragRemoved) return;
    const TPoint origin = H.Document().Clamp(St.DragOrigin);
    H.ApplyEdit(H.Document().InsertLines(origin, std::move(text)), TCaretAfterEdit::Stays);
    H.PlaceCaretCollapsed(origin, true);
}
