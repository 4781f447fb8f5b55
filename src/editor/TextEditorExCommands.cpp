// Operations on the text as a whole and on the selection as a string: ranges, loading and
// saving, inserting text, the selection as offsets, the clipboard and the undo history.
#include "editor/TextEditorEx.h"
#include "editor/CaretHidden.h"
#include "platform/TextEncoding.h"
#include "platform/Win1252.h"

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"

#include <QScopeGuard>

#include <algorithm>

// ---- word jumps and ranges ----

TPoint TTextEditorEx::WordLeft(TPoint p) const { return FDoc.WordLeft(p, FSettings->ObjStopChars()); }

TPoint TTextEditorEx::WordRight(TPoint p) const { return FDoc.WordRight(p, FSettings->ObjStopChars()); }

bool TTextEditorEx::IsSelected(TPoint p) const
{
    return Selection().Contains(p.Y, p.X);
}

bool TTextEditorEx::SelectLine(int line)
{
    if (line < 0 || line >= FDoc.Count()) return false;
    CaretPos.SetPoint({0, line});
    SelEndPos.SetPoint({FDoc.Length(line), line});
    return true;
}

void TTextEditorEx::SelectWordAtCaret()
{
    const TPoint c = CaretPos.GetPoint();
    CaretPos.SetPoint(WordLeft(c));
    SelEndPos.SetPoint(WordRight(c));
}

std::vector<std::string> TTextEditorEx::GetRange(TPoint start, TPoint end) const
{
    return FDoc.GetRange(start, end);
}

void TTextEditorEx::ApplyEdit(const TEditResult& r, TCaretAfterEdit caret)
{
    DrawEdit(r);
    if (caret == TCaretAfterEdit::Follows) CaretPos.SetPoint(r.Caret);
    if (caret == TCaretAfterEdit::Collapsed) PlaceCaretCollapsed(r.Caret, true);
}

void TTextEditorEx::DeleteRange(TPoint start, TPoint end)
{
    if (FSettings->ReadOnly() || start == end) return;
    ApplyEdit(FDoc.DeleteRange(start, end), TCaretAfterEdit::Stays);
}

void TTextEditorEx::InsertLines(TPoint p, std::vector<std::string> lines, bool finalBreak)
{
    if (FSettings->ReadOnly()) return;
    if (finalBreak && !lines.empty()) lines.emplace_back();
    ApplyEdit(FDoc.InsertLines(p, std::move(lines)), TCaretAfterEdit::Stays);
}

// ---- whole text ----

void TTextEditorEx::LoadFromFile(const std::string& path)
{
    // Read and decode first: a file that cannot be read, or taken into the text, leaves the
    // text (and the caret) as they were.
    std::string text = ReadWholeFile(path);
    const TTextEncoding encoding = TellEncoding(text);
    // UTF-8 is split where it lies, after its mark; Windows-1252 is decoded a line at a time
    // as it is split. Either way no second copy of a whole file is made.
    std::string_view body = text;
    TLineStore::TLineDecoder decode = nullptr;
    if (encoding == TTextEncoding::Ansi) decode = Win1252ToUtf8;
    else if (encoding == TTextEncoding::Utf8Bom) body.remove_prefix(3);
    else if (encoding != TTextEncoding::Utf8) {
        DecodeText(text, encoding); // UTF-16
        body = text;
    }
    TCaretHidden hidden(*this);
    FDoc.Lines().SetText(body, decode);
    FDoc.MarkSaved();
    FFileEncoding = encoding;
    // The selection end is left where it was when the caret does not move; keep it inside
    // the new text so no later operation reads past its end.
    SelEndPos.SetPointQuiet(ClampToText(SelEndPos.GetPoint()));
    St.PrevSelEnd = ClampToText(St.PrevSelEnd);
    Repaint();
    CaretPos.SetPoint({0, 0});
}

TTextEncoding TTextEditorEx::SaveToFile(const std::string& path)
{
    // Through a temporary file renamed over the old one: a failed write leaves it whole.
    const TEncodedText out = EncodeText(FDoc.Lines().Text(), FFileEncoding);
    WriteFileAtomic(path, out.Bytes);
    FDoc.MarkSaved();
    FFileEncoding = out.Encoding;
    return out.Encoding;
}

void TTextEditorEx::InsertText(const std::string& text)
{
    if (FSettings->ReadOnly()) return;
    TCaretHidden hidden(*this);
    DeleteSelection();
    const std::optional<TEditResult> r = FDoc.InsertText(CaretPos.GetPoint(), text);
    if (r) ApplyEdit(*r, TCaretAfterEdit::Collapsed);
}

void TTextEditorEx::PlaceCaretCollapsed(TPoint p, bool notify)
{
    St.CollapseSelection = true;
    notify ? CaretPos.SetPointNotify(p) : CaretPos.SetPoint(p);
    St.CollapseSelection = false;
}

void TTextEditorEx::SelectAll()
{
    // Cleared again also when an error interrupts.
    St.NoAutoScroll = true;
    const auto clear = qScopeGuard([this] { St.NoAutoScroll = false; });
    CaretPos.SetPoint({0, 0});
    const int last = FDoc.Count() - 1;
    SelEndPos.SetPoint({FDoc.Length(last), last});
}

std::string TTextEditorEx::GetSelText() const
{
    const TSelectionSpan s = Selection();
    return FDoc.RangeText(s.Start, s.End);
}

int32_t TTextEditorEx::SelStart() const
{
    return AbsoluteOffset(Selection().Start);
}

void TTextEditorEx::SetSelStart(int32_t v)
{
    TPoint p;
    if (!FDoc.PositionFromOffset(v, p)) return;
    PlaceCaretCollapsed(p);
    // The caret was there already: collapse the selection all the same.
    if (SelEndPos.GetPoint() != p) SelEndPos.SetPoint(p);
}

int32_t TTextEditorEx::SelLength() const
{
    const TSelectionSpan s = Selection();
    return FDoc.Distance(s.Start, s.End);
}

void TTextEditorEx::SetSelLength(int32_t v)
{
    // Walked from the caret rather than from the start of the text: selecting a few lines
    // deep in a long text stays cheap.
    TPoint p;
    if (FDoc.PositionAfter(ClampToText(CaretPos.GetPoint()), v, p)) SelEndPos.SetPoint(p);
}

// ---- clipboard ----

void TTextEditorEx::CutToClipboard()
{
    if (FSettings->ReadOnly() || !HasSelection()) return;
    ClipboardSetText(GetSelText());
    DeleteSelection();
}

void TTextEditorEx::CopyToClipboard()
{
    if (!HasSelection()) return;
    ClipboardSetText(GetSelText());
}

void TTextEditorEx::PasteFromClipboard()
{
    if (FSettings->ReadOnly() || !ClipboardHasText()) return;
    InsertText(ClipboardGetText());
}

// ---- undo history ----

void TTextEditorEx::AddUndoPoint() { FDoc.AddUndoPoint(SelStart(), SelLength()); }

void TTextEditorEx::ClearUndo() { FDoc.ClearUndo(); }

void TTextEditorEx::SelectFromSnapshot(const TUndoSnapshot& s)
{
    // Until the selection is set from the snapshot, keep both ends inside the restored text.
    CaretPos.SetPointQuiet(ClampToText(CaretPos.GetPoint()));
    SelEndPos.SetPointQuiet(ClampToText(SelEndPos.GetPoint()));
    St.PrevCaret = ClampToText(St.PrevCaret);
    St.PrevSelEnd = ClampToText(St.PrevSelEnd);
    Repaint();
    SetSelStart(s.SelStart);
    SetSelLength(s.SelLength);
}

void TTextEditorEx::Undo() { StepHistory(false); }

void TTextEditorEx::Redo() { StepHistory(true); }

void TTextEditorEx::StepHistory(bool forward)
{
    if (FSettings->ReadOnly()) return;
    if (!(forward ? FDoc.CanRedo() : FDoc.CanUndo())) throw ESilentCancel();
    TCaretHidden hidden(*this);
    const auto select = [this](const TUndoSnapshot& s) { SelectFromSnapshot(s); };
    forward ? FDoc.Redo(select) : FDoc.Undo(select);
}
