// Operations on the text as a whole and on the selection as a string: ranges, loading and
// saving, inserting text, the selection as offsets, the clipboard and the undo history.
#include "editor/TextEditorEx.h"
#include "editor/CaretHidden.h"

#include "editor/UndoHistory.h"
#include "editor/WordJump.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/TextLines.h"

#include <algorithm>

namespace {

// Whether `text` ends with a line break that splitting would swallow.
bool EndsWithBreak(const std::string& text)
{
    const size_t nul = text.find('\0');
    const std::string_view t = std::string_view(text).substr(0, nul);
    return !t.empty() && (t.back() == '\n' || t.back() == '\r');
}

} // namespace

// ---- word jumps and ranges ----

TPoint TTextEditorEx::WordLeft(TPoint p) const
{
    const TLineSource source{FLines->Count(), [this](int i) { return std::string_view((*FLines)[i]); }};
    return ::WordLeft(p, source, FSettings->ObjStopChars());
}

TPoint TTextEditorEx::WordRight(TPoint p) const
{
    const TLineSource source{FLines->Count(), [this](int i) { return std::string_view((*FLines)[i]); }};
    return ::WordRight(p, source, FSettings->ObjStopChars());
}

bool TTextEditorEx::IsSelected(TPoint p) const
{
    TPoint start, end;
    GetSelection(start, end);
    if (start == end) return false;
    if (p.Y < start.Y || p.Y > end.Y) return false;
    if (p.Y > start.Y && p.Y < end.Y) return true;
    if (start.Y == end.Y) return p.X >= start.X && p.X < end.X;
    if (p.Y == start.Y) return p.X >= start.X;
    return p.X < end.X;
}

bool TTextEditorEx::SelectLine(int line)
{
    if (line < 0 || line >= FLines->Count()) return false;
    CaretPos.SetPoint({0, line});
    SelEndPos.SetPoint({FLines->Length(line), line});
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
    if (start == end) return {};
    // A stale position (one the text has shrunk under) reads as the nearest one inside.
    start = ClampToText(start);
    end = ClampToText(end);
    if (start.Y == end.Y) return {(*FLines)[start.Y].substr(size_t(start.X), size_t(std::max(end.X - start.X, 0)))};
    std::vector<std::string> out;
    out.reserve(size_t(end.Y - start.Y + 1));
    out.push_back((*FLines)[start.Y].substr(size_t(start.X)));
    for (int y = start.Y + 1; y < end.Y; ++y) out.push_back((*FLines)[y]);
    out.push_back((*FLines)[end.Y].substr(0, size_t(end.X)));
    return out;
}

void TTextEditorEx::DeleteRange(TPoint start, TPoint end)
{
    if (FSettings->ReadOnly() || start == end) return;
    start = ClampToText(start);
    end = ClampToText(end);
    if (ComparePos(start, end) > 0) std::swap(start, end);
    if (start.Y == end.Y) {
        const std::string& line = (*FLines)[start.Y];
        FLines->Set(start.Y, line.substr(0, size_t(start.X)) + line.substr(size_t(end.X)));
        RedrawLine(start.Y);
        return;
    }
    const std::string joined = (*FLines)[start.Y].substr(0, size_t(start.X)) + (*FLines)[end.Y].substr(size_t(end.X));
    FLines->DeleteRange(start.Y + 1, end.Y - start.Y);
    FLines->Set(start.Y, joined);
    Repaint();
}

void TTextEditorEx::InsertLines(TPoint p, std::vector<std::string> lines, bool finalBreak)
{
    if (FSettings->ReadOnly()) return;
    if (p.Y < 0 || p.Y >= FLines->Count() || p.X < 0 || p.X > FLines->Length(p.Y) || lines.empty()) return;
    if (finalBreak) lines.emplace_back();
    const std::string& line = (*FLines)[p.Y];
    if (lines.size() == 1) {
        FLines->Set(p.Y, line.substr(0, size_t(p.X)) + lines[0] + line.substr(size_t(p.X)));
        RedrawLine(p.Y);
        return;
    }
    const std::string tail = line.substr(size_t(p.X));
    const std::string head = line.substr(0, size_t(p.X)) + lines[0];
    lines.back() += tail;
    lines.erase(lines.begin());
    FLines->Set(p.Y, head);
    FLines->InsertLines(p.Y + 1, std::move(lines));
    Repaint();
}

// ---- whole text ----

void TTextEditorEx::LoadFromFile(const std::string& path)
{
    // Read first: a file that cannot be read leaves the text (and the caret) as they were.
    const std::string bytes = ReadWholeFile(path);
    TCaretHidden hidden(*this);
    FLines->SetText(bytes);
    // The selection end is left where it was when the caret does not move; keep it inside
    // the new text so no later operation reads past its end.
    SelEndPos.SetPointQuiet(ClampToText(SelEndPos.GetPoint()));
    PrevSelEnd = ClampToText(PrevSelEnd);
    Repaint();
    CaretPos.SetPoint({0, 0});
}

void TTextEditorEx::SaveToFile(const std::string& path) const
{
    // Through a temporary file renamed over the old one: a failed write leaves it whole.
    WriteFileAtomic(path, FLines->Text());
}

void TTextEditorEx::InsertText(const std::string& text)
{
    if (FSettings->ReadOnly()) return;
    TCaretHidden hidden(*this);
    DeleteSelection();
    std::vector<std::string> lines = SplitLines(text);
    // Splitting swallows a break at the very end; keep it as an empty last line, whichever
    // kind of break it is.
    const bool finalBreak = EndsWithBreak(text);
    if (lines.empty() && !finalBreak) return;
    if (lines.empty()) lines.emplace_back();
    const TPoint p = CaretPos.GetPoint();
    if (finalBreak) lines.emplace_back();
    // Where the inserted text ends, from its lines: each break counts as one line break of
    // the editor whatever its kind, and nothing after a NUL is inserted.
    const TPoint after = lines.size() == 1 ? TPoint{p.X + int(lines[0].size()), p.Y}
                                           : TPoint{int(lines.back().size()), p.Y + int(lines.size()) - 1};
    InsertLines(p, std::move(lines));
    CollapseSelection = true;
    CaretPos.SetPoint(after);
    CollapseSelection = false;
}

void TTextEditorEx::SelectAll()
{
    struct TNoScroll {
        bool& Flag;
        explicit TNoScroll(bool& f) : Flag(f) { Flag = true; }
        ~TNoScroll() { Flag = false; }
    } noScroll(NoAutoScroll);
    CaretPos.SetPoint({0, 0});
    const int last = FLines->Count() - 1;
    SelEndPos.SetPoint({FLines->Length(last), last});
}

std::string TTextEditorEx::GetSelText() const
{
    TPoint start, end;
    GetSelection(start, end);
    const std::vector<std::string> pieces = GetRange(start, end);
    std::string out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += pieces[i];
    }
    return out;
}

bool TTextEditorEx::PositionFromOffset(int64_t offset, TPoint& p) const
{
    if (offset < 0) return false;
    int64_t lineStart = 0;
    const int y = FLines->LineAtOffset(offset, lineStart);
    if (y < 0) return false;
    const int length = FLines->Length(y);
    // The last line's break is past the end of the text.
    if (y == FLines->Count() - 1 && offset > lineStart + length) return false;
    // Inside the line, or between the two characters of its break: the line's end.
    p = {int(std::min<int64_t>(offset - lineStart, length)), y};
    return true;
}

int32_t TTextEditorEx::SelStart() const
{
    TPoint start, end;
    GetSelection(start, end);
    return AbsoluteOffset(start);
}

void TTextEditorEx::SetSelStart(int32_t v)
{
    TPoint p;
    if (!PositionFromOffset(v, p)) return;
    CollapseSelection = true;
    CaretPos.SetPoint(p);
    CollapseSelection = false;
    // The caret was there already: collapse the selection all the same.
    if (SelEndPos.GetPoint() != p) SelEndPos.SetPoint(p);
}

int32_t TTextEditorEx::SelLength() const
{
    TPoint start, end;
    GetSelection(start, end);
    if (start == end) return 0;
    if (start.Y == end.Y) return end.X - start.X;
    // (length of the start line - start.X + 2) + the lines between + end.X.
    return int32_t(FLines->OffsetOf(end.Y) + end.X - FLines->OffsetOf(start.Y) - start.X);
}

void TTextEditorEx::SetSelLength(int32_t v)
{
    // The position at the caret's offset + v, found by walking from the caret rather than
    // from the start of the text: selecting a few lines deep in a long text stays cheap.
    const TPoint c = ClampToText(CaretPos.GetPoint());
    int64_t remaining = v < 0 ? -int64_t(v) : int64_t(v);
    int x = c.X, y = c.Y;
    const int last = FLines->Count() - 1;
    for (;;) {
        if (v >= 0) {
            const int length = FLines->Length(y);
            if (remaining <= length - x) {
                x += int(remaining);
                break;
            }
            remaining -= length - x;
            if (y == last) return; // past the end of the text
            if (remaining == 1) {  // between the two characters of the break
                x = length;
                break;
            }
            remaining -= 2;
            ++y;
            x = 0;
        } else {
            if (remaining <= x) {
                x -= int(remaining);
                break;
            }
            remaining -= x;
            if (y == 0) return; // before the start of the text
            --y;
            x = FLines->Length(y);
            if (remaining == 1) break; // inside the break: the end of the line above
            remaining -= 2;
        }
    }
    SelEndPos.SetPoint({x, y});
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

namespace {
TUndoHistoryOf<TUndoSnapshot> HistoryOf(std::vector<TUndoSnapshot>& s, int32_t& offset, bool& canUndo, bool& canRedo)
{
    return {s, offset, canUndo, canRedo};
}
} // namespace

void TTextEditorEx::AddUndoPoint()
{
    // A snapshot now would record the restore itself and drop the redo steps.
    if (RestoringUndo) throw ESilentCancel();
    HistoryOf(UndoHistory, UndoOffset, FCanUndo, FCanRedo).Add({FLines->Snapshot(), SelStart(), SelLength()});
}

void TTextEditorEx::ClearUndo() { HistoryOf(UndoHistory, UndoOffset, FCanUndo, FCanRedo).Clear(); }

void TTextEditorEx::RestoreUndoSnapshot(const TUndoSnapshot& s)
{
    TCaretHidden hidden(*this);
    {
        struct TRestoring {
            bool& Flag;
            explicit TRestoring(bool& f) : Flag(f) { Flag = true; }
            ~TRestoring() { Flag = false; }
        } restoring(RestoringUndo);
        try {
            FLines->Restore(s.Text);
        } catch (const ESilentCancel&) {
            // A host that asks for a snapshot from its change handler is stopped there; the
            // restore itself goes on, or the history would no longer match the text.
        }
    }
    // Until the selection is set from the snapshot, keep both ends inside the restored text.
    CaretPos.SetPointQuiet(ClampToText(CaretPos.GetPoint()));
    SelEndPos.SetPointQuiet(ClampToText(SelEndPos.GetPoint()));
    PrevCaret = ClampToText(PrevCaret);
    PrevSelEnd = ClampToText(PrevSelEnd);
    Repaint();
    SetSelStart(s.SelStart);
    SetSelLength(s.SelLength);
}

void TTextEditorEx::Undo()
{
    if (FSettings->ReadOnly()) return;
    auto history = HistoryOf(UndoHistory, UndoOffset, FCanUndo, FCanRedo);
    if (!FCanUndo) throw ESilentCancel();
    const TUndoSnapshot s = history.UndoTarget();
    RestoreUndoSnapshot(s);
    history.StepBack();
}

void TTextEditorEx::Redo()
{
    if (FSettings->ReadOnly()) return;
    auto history = HistoryOf(UndoHistory, UndoOffset, FCanUndo, FCanRedo);
    if (!FCanRedo) throw ESilentCancel();
    const TUndoSnapshot s = history.RedoTarget();
    RestoreUndoSnapshot(s);
    history.StepForward();
}
