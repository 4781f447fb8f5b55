// Typing and the editing keys: characters in insert and overwrite mode with automatic
// entities and closing partners, Enter with indentation, Tab, Backspace and Delete with their
// word-wise forms, the Insert key, and deleting the selection.
#include "editor/TextEditorEx.h"
#include "editor/CaretHidden.h"

#include "editor/EntityTables.h"
#include "editor/InteractiveListMenu.h"
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
    CollapseSelection = true;
    CaretPos.SetPointNotify(start);
    CollapseSelection = false;
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
        if (const auto entity = LookupEntity(c, LetterChars, LetterEntities, SymbolChars, SymbolEntities)) {
            CollapseSelection = true;
            InsertText(*entity);
            CollapseSelection = false;
            return;
        }
    }

    DeleteSelection();
    const TPoint caret = CaretPos.GetPoint();
    const int x = caret.X, y = caret.Y;
    const std::string& line = (*FLines)[y];
    const bool overwrite = FSettings->OverwriteMode() && x < int(line.size());
    std::string typed(1, c);
    if (FSettings->AutoCloseQts())
        if (const char partner = ClosingPartner(c)) typed += partner;
    FLines->Set(y, line.substr(0, size_t(x)) + typed + line.substr(size_t(overwrite ? x + 1 : x)));
    // The completion list narrows with every character typed while it shows.
    if (ListMenuVisible()) ListMenu->AppendFilterChar(c);
    // A shifted character must not extend the selection.
    if (KeyState::ShiftDown()) CollapseSelection = true;
    CaretPos.SetX(x + 1);
    if (CaretPos.X() == FLines->Length(y)) {
        AppendedAtLineEnd = true;
        PaintChar(y, x);
    } else {
        PaintLine(y);
    }
    View()->Flush();
}

void TTextEditorEx::KeyEnter()
{
    if (FSettings->ReadOnly()) return;
    TCaretHidden hidden(*this);
    NeedsFullRepaint = VisibilityProbe();
    DeleteSelection();
    ScrollPos.SetX(0);
    const TPoint caret = CaretPos.GetPoint();
    const int x = caret.X, y = caret.Y;
    const std::string line = (*FLines)[y];
    if (x >= int(line.size())) {
        FLines->Insert(y + 1, std::string());
    } else {
        FLines->Insert(y + 1, line.substr(size_t(x)));
        FLines->Set(y, line.substr(0, size_t(x)));
    }
    if (!NeedsFullRepaint) {
        // Move the lines below down by one line instead of drawing them again.
        const int lh = LineHeight(), w = ClientWidth(), h = ClientHeight();
        const int top = std::max(0, (y + 1 - ScrollPos.Y()) * lh);
        if (top + lh < h) Canvas().CopyRect({0, top + lh, w, h}, Canvas(), {0, top, w, h - lh});
        RedrawLine(y);
        RedrawLine(y + 1);
        View()->Flush();
    }
    CaretPos.SetPoint({0, y + 1});
    if (FSettings->AutoIndent()) {
        int k = 0;
        const std::string& above = (*FLines)[y];
        while (k < int(above.size()) && above[size_t(k)] == ' ') ++k;
        if (k > 0) FLines->Set(y + 1, std::string(size_t(k), ' ') + (*FLines)[y + 1]);
        CaretPos.SetX(k);
        if (!NeedsFullRepaint) {
            PaintLine(y + 1);
            View()->Flush();
        }
    }
    if (NeedsFullRepaint) Repaint();
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
    const int x = caret.X, y = caret.Y;
    const std::string& line = (*FLines)[y];
    if (x < 3 || x > int(line.size()) || line[size_t(x - 1)] != ';') return false;
    for (int a = x - 3; a >= 0; --a) {
        if (line[size_t(a)] == '&') {
            DeleteRange({a, y}, {x, y});
            CaretPos.SetX(a);
            return true;
        }
    }
    return false;
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
        const std::string& line = (*FLines)[y];
        FLines->Set(y, line.substr(0, size_t(w.X)) + line.substr(size_t(x)));
        RedrawLine(y);
        CaretPos.SetX(w.X);
        View()->Flush();
        return;
    }

    if (DeleteSelection()) return;
    const std::string line = (*FLines)[y];
    const int tab = FSettings->TabLength();
    if (tab > 0 && x >= tab && x % tab == 0 && x <= int(line.size()) &&
        std::all_of(line.begin(), line.begin() + x, [](char ch) { return ch == ' '; })) {
        // Un-indent by one step.
        FLines->Set(y, line.substr(size_t(tab)));
        RedrawLine(y);
        CaretPos.SetPointNotify({x - tab, y});
        View()->Flush();
        return;
    }
    if (x > 0) {
        FLines->Set(y, line.substr(0, size_t(x - 1)) + line.substr(size_t(x)));
        CollapseSelection = true;
        CaretPos.SetX(x - 1);
        if (CaretPos.X() == FLines->Length(y)) {
            EraseCell(y, x - 1);
            EraseCell(y, x);
        } else {
            PaintLine(y);
        }
        View()->Flush();
        return;
    }
    if (y > 0) {
        CollapseSelection = true;
        CaretPos.SetPoint({FLines->Length(y - 1), y - 1});
        FLines->Set(y - 1, (*FLines)[y - 1] + line);
        FLines->Delete(y);
        Repaint();
        ClearLineBand(FLines->Count());
        View()->Flush();
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
        const std::string& line = (*FLines)[y];
        FLines->Set(y, line.substr(0, size_t(x)) + line.substr(size_t(w.X)));
        RedrawLine(y);
        View()->Flush();
        return;
    }

    if (DeleteSelection()) return;
    const std::string line = (*FLines)[y];
    if (x < int(line.size())) {
        FLines->Set(y, line.substr(0, size_t(x)) + line.substr(size_t(x + 1)));
        PaintLine(y);
        View()->Flush();
    } else if (y < FLines->Count() - 1) {
        FLines->Set(y, line + (*FLines)[y + 1]);
        FLines->Delete(y + 1);
        Repaint();
        ClearLineBand(FLines->Count());
        View()->Flush();
    }
}

void TTextEditorEx::ToggleOverwriteMode()
{
    FSettings->SetOverwriteMode(!FSettings->OverwriteMode());
    if (OnCaretModeChange) OnCaretModeChange(this);
}
