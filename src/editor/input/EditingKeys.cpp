#include "editor/input/EditingKeys.h"

#include "editor/CaretHidden.h"
#include "editor/TextEditorEx.h"

#include "platform/KeyState.h"

#include <algorithm>

namespace {

// The closing partner a typed character gets, or 0.
char ClosingPartner(char c)
{
    switch (c) {
    case '\'': return '\'';
    case '"': return '"';
    case '(': return ')';
    case '{': return '}';
    case '[': return ']';
    default: return 0;
    }
}

} // namespace

bool TEditingKeys::DeleteSelection()
{
    if (E.FSettings->ReadOnly()) return false;
    TPoint start, end;
    E.GetSelection(start, end);
    if (start == end) return false;
    TCaretHidden hidden(E);
    E.DeleteRange(start, end);
    // The old selection end may now lie past the text; the selection always collapses at
    // its start, whatever the Shift key is doing.
    E.PlaceCaretCollapsed(start, true);
    return true;
}

void TEditingKeys::TypeChar(char c)
{
    if (E.FSettings->ReadOnly()) return;
    switch (c) {
    case '\0': case '\b': case '\t': case '\r': case 27: case 127: return;
    default: break;
    }
    // Ctrl shortcuts type nothing; Ctrl+Alt is AltGr and types.
    if (KeyState::CtrlDown() && !KeyState::AltDown()) return;
    TCaretHidden hidden(E);

    if (E.FSettings->AutoEncode()) {
        if (const auto entity = E.FEntities.EntityFor(c)) {
            E.St.CollapseSelection = true;
            E.InsertInnerText(*entity);
            E.St.CollapseSelection = false;
            return;
        }
    }

    DeleteSelection();
    const TPoint caret = E.CaretPos.GetPoint();
    std::string typed(1, c);
    if (E.FSettings->AutoCloseQts())
        if (const char partner = ClosingPartner(c)) typed += partner;
    const TEditResult r = E.FDoc.Type(caret, typed, E.FSettings->OverwriteMode());
    // The completion list narrows with every character typed while it shows.
    E.FCompletion->Typed(c);
    // A shifted character must not extend the selection.
    if (KeyState::ShiftDown()) E.St.CollapseSelection = true;
    E.CaretPos.SetX(r.Caret.X);
    if (E.CaretPos.X() == E.FDoc.Length(caret.Y)) E.PaintChar(caret.Y, caret.X, true);
    else E.PaintLine(caret.Y);
    E.FView->MarkDirty();
}

void TEditingKeys::Enter()
{
    if (E.FSettings->ReadOnly()) return;
    TCaretHidden hidden(E);
    E.St.NeedsFullRepaint = E.VisibilityProbe();
    DeleteSelection();
    E.ScrollPos.SetX(0);
    const int y = E.CaretPos.Y();
    const TEditResult r = E.FDoc.BreakLine(E.CaretPos.GetPoint());
    if (!E.St.NeedsFullRepaint) {
        E.Draw([&](const TPaintInput& in) { E.FRenderer.BreakLinePicture(in, y); });
        E.FView->MarkDirty();
    }
    E.CaretPos.SetPoint(r.Caret);
    if (E.FSettings->AutoIndent()) {
        E.CaretPos.SetX(E.FDoc.CopyIndent(y + 1).Caret.X);
        if (!E.St.NeedsFullRepaint) {
            E.PaintLine(y + 1);
            E.FView->MarkDirty();
        }
    }
    if (E.St.NeedsFullRepaint) E.Repaint();
}

void TEditingKeys::Tab()
{
    if (E.FSettings->ReadOnly()) return;
    // Tab types spaces, each seen by the host as a key press; a tab character never.
    for (int i = 0; i < E.FSettings->TabLength(); ++i) {
        char c = ' ';
        if (E.OnKeyPress) E.OnKeyPress(&E, c);
        TypeChar(c);
    }
}

bool TEditingKeys::DeleteWholeEntity()
{
    const TPoint caret = E.CaretPos.GetPoint();
    const int a = E.FDoc.EntityStartBefore(caret);
    if (a < 0) return false;
    E.DeleteRange({a, caret.Y}, caret);
    E.CaretPos.SetX(a);
    return true;
}

void TEditingKeys::Backspace(bool ctrl)
{
    if (E.FSettings->ReadOnly()) return;
    TCaretHidden hidden(E);
    if (DeleteWholeEntity()) return;
    const TPoint caret = E.CaretPos.GetPoint();
    const int x = caret.X, y = caret.Y;
    if (ctrl) {
        // Word-wise, without regard to the selection; at column 0 nothing happens.
        const TPoint w = E.WordLeft(caret);
        if (w.Y != y || w.X >= x) return;
        E.RedrawEdit(E.FDoc.DeleteRange(w, caret));
        E.CaretPos.SetX(w.X);
    } else if (DeleteSelection()) {
        return;
    } else if (E.FDoc.AtIndentStep(caret, E.FSettings->TabLength())) {
        // Un-indent by one step.
        const TEditResult r = E.FDoc.Unindent(caret, E.FSettings->TabLength());
        E.RedrawEdit(r);
        E.CaretPos.SetPointNotify(r.Caret);
    } else if (x > 0) {
        BackspaceChar(caret);
    } else if (y > 0) {
        E.St.CollapseSelection = true;
        E.CaretPos.SetPoint({E.FDoc.Length(y - 1), y - 1});
        E.FDoc.JoinWithNext(y - 1);
        E.Repaint();
        E.ClearLineBand(E.FDoc.Count());
    } else {
        return;
    }
    E.FView->MarkDirty();
}

void TEditingKeys::BackspaceChar(TPoint caret)
{
    const int x = caret.X, y = caret.Y;
    E.FDoc.DeleteRange({x - 1, y}, caret);
    E.St.CollapseSelection = true;
    E.CaretPos.SetX(x - 1);
    // At the end of the line only the two cells the character and the line's end took.
    if (E.CaretPos.X() == E.FDoc.Length(y)) {
        E.EraseCell(y, x - 1);
        E.EraseCell(y, x);
    } else {
        E.PaintLine(y);
    }
}

void TEditingKeys::Delete(bool ctrl)
{
    if (E.FSettings->ReadOnly()) return;
    TCaretHidden hidden(E);
    const TPoint caret = E.CaretPos.GetPoint();
    const int x = caret.X, y = caret.Y;
    if (ctrl) {
        const TPoint w = E.WordRight(caret);
        if (w.Y != y || w.X <= x) return;
        E.RedrawEdit(E.FDoc.DeleteRange(caret, w));
    } else if (DeleteSelection()) {
        return;
    } else if (x < E.FDoc.Length(y)) {
        E.FDoc.DeleteRange(caret, {x + 1, y});
        E.PaintLine(y);
    } else if (y < E.FDoc.Count() - 1) {
        E.FDoc.JoinWithNext(y);
        E.Repaint();
        E.ClearLineBand(E.FDoc.Count());
    } else {
        return;
    }
    E.FView->MarkDirty();
}
