#include "editor/input/EditingKeys.h"

#include "editor/CaretHidden.h"
#include "editor/model/LineLayout.h"
#include "platform/KeyState.h"
#include "platform/Utf8.h"

namespace {

// The closing partner a typed character gets, or 0.
char ClosingPartner(char32_t c)
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
    if (H.Settings().ReadOnly()) return false;
    const TSelectionSpan s = H.Selection();
    if (s.Start == s.End) return false;
    TCaretHidden hidden(H);
    // The old selection end may now lie past the text; the selection always collapses at
    // its start, whatever the Shift key is doing.
    H.ApplyEdit(H.Document().DeleteRange(s.Start, s.End), TCaretAfterEdit::Collapsed);
    return true;
}

bool TEditingKeys::TypeChar(char32_t c)
{
    const TTextEditorExSettings& settings = H.Settings();
    if (settings.ReadOnly()) return false;
    switch (c) {
    case '\0': case '\b': case '\t': case '\r': case 27: case 127: return false;
    default: break;
    }
    // Ctrl shortcuts type nothing; Ctrl+Alt is AltGr and types.
    if (KeyState::CtrlDown() && !KeyState::AltDown()) return false;
    TCaretHidden hidden(H);

    if (settings.AutoEncode()) {
        if (const auto entity = FEntities.EntityFor(c)) {
            H.InsertText(*entity);
            return false;
        }
    }

    DeleteSelection();
    std::string typed;
    AppendUtf8(typed, c);
    if (settings.AutoCloseQts())
        if (const char partner = ClosingPartner(c)) typed += partner;
    // A shifted character must not extend the selection.
    H.ApplyEdit(H.Document().Type(H.GetCaretPoint(), typed, settings.OverwriteMode()), TCaretAfterEdit::Collapsed);
    return true;
}

void TEditingKeys::Enter()
{
    const TTextEditorExSettings& settings = H.Settings();
    if (settings.ReadOnly()) return;
    TCaretHidden hidden(H);
    DeleteSelection();
    H.SetScrollX(0);
    const TEditResult broken = H.Document().BreakLine(H.GetCaretPoint());
    H.ApplyEdit(broken, TCaretAfterEdit::Follows);
    if (settings.AutoIndent()) H.ApplyEdit(H.Document().CopyIndent(broken.Caret.Y), TCaretAfterEdit::Follows);
}

bool TEditingKeys::DeleteWholeEntity()
{
    const TPoint caret = H.GetCaretPoint();
    const int a = H.Document().EntityStartBefore(caret);
    if (a < 0) return false;
    H.ApplyEdit(H.Document().DeleteRange({a, caret.Y}, caret), TCaretAfterEdit::Follows);
    return true;
}

void TEditingKeys::Backspace(bool ctrl)
{
    const TTextEditorExSettings& settings = H.Settings();
    if (settings.ReadOnly()) return;
    TCaretHidden hidden(H);
    if (DeleteWholeEntity()) return;
    TEditDocument& doc = H.Document();
    const TPoint caret = H.GetCaretPoint();
    if (ctrl) {
        // Word-wise, without regard to the selection; at column 0 nothing happens.
        const TPoint w = doc.WordLeft(caret, settings.ObjStopChars());
        if (w.Y == caret.Y && w.X < caret.X) H.ApplyEdit(doc.DeleteRange(w, caret), TCaretAfterEdit::Follows);
    } else if (DeleteSelection()) {
        return;
    } else if (doc.AtIndentStep(caret, settings.TabLength())) {
        // Un-indent by one step.
        H.ApplyEdit(doc.Unindent(caret, settings.TabLength()), TCaretAfterEdit::Follows);
    } else if (caret.X > 0) {
        // A user-perceived character at a time: a letter with its marks, an emoji sequence.
        H.ApplyEdit(doc.DeleteRange({PreviousStop(doc[caret.Y], caret.X), caret.Y}, caret), TCaretAfterEdit::Collapsed);
    } else if (caret.Y > 0) {
        H.ApplyEdit(doc.JoinWithNext(caret.Y - 1), TCaretAfterEdit::Collapsed);
    }
}

void TEditingKeys::Delete(bool ctrl)
{
    const TTextEditorExSettings& settings = H.Settings();
    if (settings.ReadOnly()) return;
    TCaretHidden hidden(H);
    TEditDocument& doc = H.Document();
    const TPoint caret = H.GetCaretPoint();
    // The caret stays: what follows it comes to it.
    if (ctrl) {
        const TPoint w = doc.WordRight(caret, settings.ObjStopChars());
        if (w.Y == caret.Y && w.X > caret.X) H.ApplyEdit(doc.DeleteRange(caret, w), TCaretAfterEdit::Stays);
    } else if (DeleteSelection()) {
        return;
    } else if (caret.X < doc.Length(caret.Y)) {
        H.ApplyEdit(doc.DeleteRange(caret, {NextStop(doc[caret.Y], caret.X), caret.Y}), TCaretAfterEdit::Stays);
    } else if (caret.Y < doc.Count() - 1) {
        H.ApplyEdit(doc.JoinWithNext(caret.Y), TCaretAfterEdit::Stays);
    }
}
