#include "editor/model/EditDocument.h"

#include "editor/model/LineLayout.h"
#include "editor/model/WordJump.h"
#include "platform/Application.h"
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

TEditResult Result(int first, int last, int added, TPoint caret) { return {true, first, last, added, caret}; }

// The bytes of `line` before column `x`, and from it on.
std::string Head(std::string_view line, int x) { return std::string(line.substr(0, ByteOfColumn(line, x))); }
std::string Tail(std::string_view line, int x) { return std::string(line.substr(ByteOfColumn(line, x))); }

} // namespace

// ---- positions and offsets ----

TPoint TEditDocument::Clamp(TPoint p) const
{
    p.Y = std::clamp(p.Y, 0, FLines.Count() - 1);
    p.X = std::clamp(p.X, 0, FLines.Length(p.Y));
    return p;
}

int32_t TEditDocument::AbsoluteOffset(TPoint p) const
{
    const int n = std::min(std::max(p.Y, 0), FLines.Count());
    return int32_t(FLines.OffsetOf(n) + p.X);
}

bool TEditDocument::PositionFromOffset(int64_t offset, TPoint& p) const
{
    if (offset < 0) return false;
    int64_t lineStart = 0;
    const int y = FLines.LineAtOffset(offset, lineStart);
    if (y < 0) return false;
    const int length = FLines.Length(y);
    // The last line's break is past the end of the text.
    if (y == FLines.Count() - 1 && offset > lineStart + length) return false;
    p = {int(std::min<int64_t>(offset - lineStart, length)), y};
    return true;
}

bool TEditDocument::PositionAfter(TPoint p, int64_t distance, TPoint& out) const
{
    int64_t remaining = distance < 0 ? -distance : distance;
    int x = p.X, y = p.Y;
    const int last = FLines.Count() - 1;
    for (;;) {
        if (distance >= 0) {
            const int length = FLines.Length(y);
            if (remaining <= length - x) {
                x += int(remaining);
                break;
            }
            remaining -= length - x;
            if (y == last) return false;
            if (remaining == 1) { // between the two characters of the break
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
            if (y == 0) return false;
            --y;
            x = FLines.Length(y);
            if (remaining == 1) break; // inside the break: the end of the line above
            remaining -= 2;
        }
    }
    out = {x, y};
    return true;
}

int32_t TEditDocument::Distance(TPoint start, TPoint end) const
{
    if (start == end) return 0;
    if (start.Y == end.Y) return end.X - start.X;
    return int32_t(FLines.OffsetOf(end.Y) + end.X - FLines.OffsetOf(start.Y) - start.X);
}

std::vector<std::string> TEditDocument::GetRange(TPoint start, TPoint end) const
{
    if (start == end) return {};
    start = Clamp(start);
    end = Clamp(end);
    if (start.Y == end.Y) return {std::string(ColumnsText(FLines[start.Y], start.X, std::max(end.X, start.X)))};
    std::vector<std::string> out;
    out.reserve(size_t(end.Y - start.Y + 1));
    out.push_back(Tail(FLines[start.Y], start.X));
    for (int y = start.Y + 1; y < end.Y; ++y) out.push_back(FLines[y]);
    out.push_back(Head(FLines[end.Y], end.X));
    return out;
}

std::string TEditDocument::RangeText(TPoint start, TPoint end) const
{
    const std::vector<std::string> pieces = GetRange(start, end);
    std::string out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += pieces[i];
    }
    return out;
}

TPoint TEditDocument::WordLeft(TPoint p, std::string_view stopChars) const
{
    const TLineSource source{FLines.Count(), [this](int i) { return std::string_view(FLines[i]); }};
    return ::WordLeft(p, source, stopChars);
}

TPoint TEditDocument::WordRight(TPoint p, std::string_view stopChars) const
{
    const TLineSource source{FLines.Count(), [this](int i) { return std::string_view(FLines[i]); }};
    return ::WordRight(p, source, stopChars);
}

int TEditDocument::EntityStartBefore(TPoint p) const
{
    const std::string& line = FLines[p.Y];
    if (p.X < 3 || p.X > ColumnCount(line)) return -1;
    const size_t end = ByteOfColumn(line, p.X);
    if (line[end - 1] != ';') return -1;
    int column = p.X; // of byte a, counted down as the bytes are
    for (size_t a = end; a-- > 0;) {
        if ((static_cast<unsigned char>(line[a]) & 0xC0) != 0x80) --column;
        if (line[a] == '&' && column <= p.X - 3) return column;
    }
    return -1;
}

bool TEditDocument::AtIndentStep(TPoint p, int step) const
{
    const std::string& line = FLines[p.Y];
    return step > 0 && p.X >= step && p.X % step == 0 && p.X <= int(line.size()) &&
           std::all_of(line.begin(), line.begin() + p.X, [](char ch) { return ch == ' '; });
}

// ---- edits ----

TEditResult TEditDocument::OneLine(int line, int column, std::string text, TPoint caret)
{
    TEditResult r = Result(line, line, 0, caret);
    r.Column = column;
    r.LengthChange = ColumnCount(text) - FLines.Length(line);
    r.CellChange = CellCount(text) - CellCount(FLines[line]);
    FLines.Set(line, std::move(text));
    return r;
}

TEditResult TEditDocument::Type(TPoint p, std::string_view typed, bool overwrite)
{
    // Overwriting replaces the whole user-perceived character at p.
    const std::string& line = FLines[p.Y];
    const bool replace = overwrite && p.X < ColumnCount(line);
    std::string text = Head(line, p.X);
    text += typed;
    text += Tail(line, replace ? NextStop(line, p.X) : p.X);
    // Bytes that begin no code point (never typed, but pasted bytes may be) add no column.
    TEditResult r = OneLine(p.Y, p.X, std::move(text), {p.X + std::min(ColumnCount(typed), 1), p.Y});
    r.AppendedAtLineEnd = r.Caret.X == FLines.Length(p.Y);
    return r;
}

TEditResult TEditDocument::BreakLine(TPoint p)
{
    const std::string line = FLines[p.Y];
    if (ByteOfColumn(line, p.X) >= line.size()) {
        FLines.Insert(p.Y + 1, std::string());
    } else {
        FLines.Insert(p.Y + 1, Tail(line, p.X));
        FLines.Set(p.Y, Head(line, p.X));
    }
    return Result(p.Y, p.Y + 1, 1, {0, p.Y + 1});
}

TEditResult TEditDocument::CopyIndent(int line)
{
    int k = 0;
    const std::string& above = FLines[line - 1];
    while (k < int(above.size()) && above[size_t(k)] == ' ') ++k;
    if (k == 0) return {false, line, line - 1, 0, {0, line}};
    return OneLine(line, 0, std::string(size_t(k), ' ') + FLines[line], {k, line});
}

TEditResult TEditDocument::Unindent(TPoint p, int step)
{
    return OneLine(p.Y, 0, FLines[p.Y].substr(size_t(step)), {p.X - step, p.Y});
}

TEditResult TEditDocument::JoinWithNext(int line)
{
    const TPoint caret{FLines.Length(line), line};
    FLines.Set(line, FLines[line] + FLines[line + 1]);
    FLines.Delete(line + 1);
    return Result(line, line, -1, caret);
}

TEditResult TEditDocument::DeleteRange(TPoint start, TPoint end)
{
    if (start == end) return {false, 0, -1, 0, Clamp(start)};
    start = Clamp(start);
    end = Clamp(end);
    if (ComparePos(start, end) > 0) std::swap(start, end);
    if (start.Y == end.Y) {
        const std::string& line = FLines[start.Y];
        return OneLine(start.Y, start.X, Head(line, start.X) + Tail(line, end.X), start);
    }
    const std::string joined = Head(FLines[start.Y], start.X) + Tail(FLines[end.Y], end.X);
    FLines.DeleteRange(start.Y + 1, end.Y - start.Y);
    FLines.Set(start.Y, joined);
    return Result(start.Y, start.Y, start.Y - end.Y, start);
}

TEditResult TEditDocument::InsertLines(TPoint p, std::vector<std::string> lines)
{
    if (p.Y < 0 || p.Y >= FLines.Count() || p.X < 0 || p.X > FLines.Length(p.Y) || lines.empty())
        return {false, 0, -1, 0, p};
    const std::string& line = FLines[p.Y];
    if (lines.size() == 1) {
        const TPoint after{p.X + ColumnCount(lines[0]), p.Y};
        return OneLine(p.Y, p.X, Head(line, p.X) + lines[0] + Tail(line, p.X), after);
    }
    const int added = int(lines.size()) - 1;
    const TPoint after{ColumnCount(lines.back()), p.Y + added};
    const std::string tail = Tail(line, p.X);
    const std::string head = Head(line, p.X) + lines[0];
    lines.back() += tail;
    lines.erase(lines.begin());
    FLines.Set(p.Y, head);
    FLines.InsertLines(p.Y + 1, std::move(lines));
    return Result(p.Y, p.Y + added, added, after);
}

std::optional<TEditResult> TEditDocument::InsertText(TPoint p, const std::string& text)
{
    std::vector<std::string> lines = SplitLines(text);
    // Splitting swallows a break at the very end; keep it as an empty last line, whichever
    // kind of break it is.
    const bool finalBreak = EndsWithBreak(text);
    if (lines.empty() && !finalBreak) return std::nullopt;
    if (lines.empty()) lines.emplace_back();
    if (finalBreak) lines.emplace_back();
    // Where the inserted text ends, from its lines: each break counts as one line break of
    // the editor whatever its kind, and nothing after a NUL is inserted.
    const TPoint after = lines.size() == 1 ? TPoint{p.X + ColumnCount(lines[0]), p.Y}
                                           : TPoint{ColumnCount(lines.back()), p.Y + int(lines.size()) - 1};
    TEditResult r = InsertLines(p, std::move(lines));
    r.Caret = after;
    return r;
}

// ---- undo ----

void TEditDocument::AddUndoPoint(int32_t selStart, int32_t selLength)
{
    if (FRestoring) throw ESilentCancel();
    History.Add({FLines.Snapshot(), selStart, selLength});
}

void TEditDocument::RestoreText(const TLineSnapshot& text)
{
    FRestoring = true;
    try {
        FLines.Restore(text);
    } catch (const ESilentCancel&) {
        // A host that asks for a snapshot from its change handler is stopped there; the
        // restore itself goes on, or the history would no longer match the text.
    } catch (...) {
        FRestoring = false;
        throw;
    }
    FRestoring = false;
}

bool TEditDocument::Undo(const TRestored& restored) { return Step(false, restored); }

bool TEditDocument::Redo(const TRestored& restored) { return Step(true, restored); }

bool TEditDocument::Step(bool forward, const TRestored& restored)
{
    if (!(forward ? History.CanRedo() : History.CanUndo())) return false;
    const TUndoSnapshot s = forward ? History.RedoTarget() : History.UndoTarget();
    RestoreText(s.Text);
    if (restored) restored(s);
    forward ? History.StepForward() : History.StepBack();
    return true;
}
