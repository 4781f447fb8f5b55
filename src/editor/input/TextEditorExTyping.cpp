// Typing and the editing keys: characters in insert and overwrite mode with automatic
// entities and closing partners, Enter with indentation, Tab, Backspace and Delete with their
// word-wise forms, the Insert key, and deleting the selection.
#include "editor/TextEditorEx.h"
#include "editor/CaretHidden.h"

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

bool TTextEditorEx::DeleteSelection()
{
    if (FSettings->ReadOnly()) return false;
    TPoint start, end;
    GetSelection(start, end);
    if (start == end) return false;
    TCaretHidden hidden(*this);
    DeleteRange(start, end);
    // The old selection end may now lie past the text; the selection always collapses at
    // its start, whatever the Shift key is doing.
    PlaceCaretCollapsed(start, true);
    return true;
}

void TTextEditorEx::TypeChar(char c)
{
    if (FSettings->ReadOnly()) return;
    switch (c) {
    case '\0': case '\b': case '\t': case '\r': case 27: case 127: return;
    default: break;
    }
    // Ctrl shortcuts type nothing; Ctrl+Alt is AltGr and types.
    if (KeyState::CtrlDown() && !KeyState::AltDown()) return;
    TCaretHidden hidden(*this);

    if (FSettings->AutoEncode()) {
        if (const auto entity = FEntities.EntityFor(c)) {
            St.CollapseSelection = true;
            InsertText(*entity);
            St.CollapseSelection = false;
            return;
        }
    }

    DeleteSelection();
    const TPoint caret = CaretPos.GetPoint();
    std::string typed(1, c);
    if (FSettings->AutoCloseQts())
        if (const char partner = ClosingPartner(c)) typed += partner;
    const TEditResult r = FDoc.Type(caret, typed, FSettings->OverwriteMode());
    // The completion list narrows with every character typed while it shows.
    FCompletion->Typed(c);
    // A shifted character must not extend the selection.
    if (KeyState::ShiftDown()) St.CollapseSelection = true;
    CaretPos.SetX(r.Caret.X);
    if (CaretPos.X() == FDoc.Length(caret.Y)) PaintChar(caret.Y, caret.X, true);
    else PaintLine(caret.Y);
    View()->Flush();
}

void TTextEditorEx::KeyEnter()
{
    if (FSettings->ReadOnly()) return;
    TCaretHidden hidden(*this);
    St.NeedsFullRepaint = VisibilityProbe();
    DeleteSelection();
    ScrollPos.SetX(0);
    const int y = CaretPos.Y();
    const TEditResult r = FDoc.BreakLine(CaretPos.GetPoint());
    if (!St.NeedsFullRepaint) {
        Draw([&](const TPaintInput& in) { FRenderer.BreakLinePicture(in, y); });
        View()->Flush();
    }
    CaretPos.SetPoint(r.Caret);
    if (FSettings->AutoIndent()) {
        CaretPos.SetX(FDoc.CopyIndent(y + 1).Caret.X);
        if (!St.NeedsFullRepaint) {
            PaintLine(y + 1);
            View()->Flush();
        }
    }
    if (St.NeedsFullRepaint) Repaint();
}

void TTextEditorEx::KeyTab()
{
    if (FSettings->ReadOnly()) return;
    // Tab types spaces, each seen by the host as a key press; a tab character never.
    for (int i = 0; i < FSettings->TabLength(); ++i) {
        char c = ' ';
        if (OnKeyPress) OnKeyPress(this, c);
        TypeChar(c);
    }
}

bool TTextEditorEx::DeleteWholeEntity()
{
    const TPoint caret = CaretPos.GetPoint();
    const int a = FDoc.EntityStartBefore(caret);
    if (a < 0) return false;
    DeleteRange({a, caret.Y}, caret);
    CaretPos.SetX(a);
    return true;
}

void TTextEditorEx::KeyBackspace(bool ctrl)
{
    if (FSettings->ReadOnly()) return;
    TCaretHidden hidden(*this);
    if (DeleteWholeEntity()) return;
    const TPoint caret = CaretPos.GetPoint();
    const int x = caret.X, y = caret.Y;
    if (ctrl) {
        // Word-wise, without regard to the selection; at column 0 nothing happens.
        const TPoint w = WordLeft(caret);
        if (w.Y != y || w.X >= x) return;
        RedrawEdit(FDoc.DeleteRange(w, caret));
        CaretPos.SetX(w.X);
    } else if (DeleteSelection()) {
        return;
    } else if (FDoc.AtIndentStep(caret, FSettings->TabLength())) {
        // Un-indent by one step.
        const TEditResult r = FDoc.Unindent(caret, FSettings->TabLength());
        RedrawEdit(r);
        CaretPos.SetPointNotify(r.Caret);
    } else if (x > 0) {
        BackspaceChar(caret);
    } else if (y > 0) {
        St.CollapseSelection = true;
        CaretPos.SetPoint({FDoc.Length(y - 1), y - 1});
        FDoc.JoinWithNext(y - 1);
        Repaint();
        ClearLineBand(FDoc.Count());
    } else {
        return;
    }
    View()->Flush();
}

void TTextEditorEx::BackspaceChar(TPoint caret)
{
    const int x = caret.X, y = caret.Y;
    FDoc.DeleteRange({x - 1, y}, caret);
    St.CollapseSelection = true;
    CaretPos.SetX(x - 1);
    // At the end of the line only the two cells the character and the line's end took.
    if (CaretPos.X() == FDoc.Length(y)) {
        EraseCell(y, x - 1);
        EraseCell(y, x);
    } else {
        PaintLine(y);
    }
}

void TTextEditorEx::KeyDelete(bool ctrl)
{
    if (FSettings->ReadOnly()) return;
    TCaretHidden hidden(*this);
    const TPoint caret = CaretPos.GetPoint();
    const int x = caret.X, y = caret.Y;
    if (ctrl) {
        const TPoint w = WordRight(caret);
        if (w.Y != y || w.X <= x) return;
        RedrawEdit(FDoc.DeleteRange(caret, w));
    } else if (DeleteSelection()) {
        return;
    } else if (x < FDoc.Length(y)) {
        FDoc.DeleteRange(caret, {x + 1, y});
        PaintLine(y);
    } else if (y < FDoc.Count() - 1) {
        FDoc.JoinWithNext(y);
        Repaint();
        ClearLineBand(FDoc.Count());
    } else {
        return;
    }
    View()->Flush();
}

void TTextEditorEx::ToggleOverwriteMode()
{
    FSettings->SetOverwriteMode(!FSettings->OverwriteMode());
    if (OnCaretModeChange) OnCaretModeChange(this);
}
