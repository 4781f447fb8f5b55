#pragma once
// The editor's document: its lines, the undo history of whole-text snapshots, the arithmetic
// of positions and offsets, and the text edits behind typing and the editing keys. A position
// is (column X, line Y), both from 0, a column a code point of the UTF-8 line
// (editor/model/LineLayout.h); an offset counts every line as its columns plus CR LF.
//
// Each edit changes the lines and answers what it changed, so the widget knows what to draw
// again and where the caret goes. The document knows nothing of screens, carets or settings:
// the widget decides which edit a key makes and whether the text may change at all.
#include "editor/model/CaretPos.h"
#include "editor/model/LineStore.h"
#include "editor/model/UndoHistory.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TUndoSnapshot {
    TLineSnapshot Text;
    int32_t SelStart = 0;
    int32_t SelLength = 0;
};

// What one edit did to the lines.
struct TEditResult {
    bool Changed = false;
    // The lines whose text changed, numbered as after the edit.
    int FirstLine = 0;
    int LastLine = -1;
    // Lines that came in (> 0) or went away (< 0) below FirstLine.
    int LinesAdded = 0;
    // Where the caret goes.
    TPoint Caret;
    // On an edit within one line: the column it began at, and how many characters longer (or,
    // negative, shorter) the line came out.
    int Column = 0;
    int LengthChange = 0;
    // And how many cells wider (or narrower) it shows.
    int CellChange = 0;
    // Typing put one character at the very end of its line, where the caret now stands.
    bool AppendedAtLineEnd = false;
};

class TEditDocument {
public:
    TLineStore& Lines() { return FLines; }
    const TLineStore& Lines() const { return FLines; }
    int Count() const { return FLines.Count(); }
    int Length(int line) const { return FLines.Length(line); }
    const std::string& operator[](int line) const { return FLines[line]; }

    // ---- Positions and offsets ----
    // The nearest position inside the text.
    TPoint Clamp(TPoint p) const;
    // Sum of (length + 2) over the lines before p, plus p.X.
    int32_t AbsoluteOffset(TPoint p) const;
    // The position whose offset is `offset`, or false outside the text. An offset between
    // the two characters of a break is the end of its line.
    bool PositionFromOffset(int64_t offset, TPoint& p) const;
    // The position `distance` columns after p (before it when negative), walked from p so a
    // short distance deep in a long text stays cheap; false past either end of the text.
    bool PositionAfter(TPoint p, int64_t distance, TPoint& out) const;
    // The columns from start to end (start <= end, both inside the text), breaks counted as two.
    int32_t Distance(TPoint start, TPoint end) const;
    // The text from start to end as lines; stale positions read as the nearest inside.
    std::vector<std::string> GetRange(TPoint start, TPoint end) const;
    // The same, joined with CR LF.
    std::string RangeText(TPoint start, TPoint end) const;
    // Word jumps from p with the given stop characters.
    TPoint WordLeft(TPoint p, std::string_view stopChars) const;
    TPoint WordRight(TPoint p, std::string_view stopChars) const;
    // The column of the "&" of an entity ("&...;", at least three characters) that ends just
    // left of p, or -1.
    int EntityStartBefore(TPoint p) const;
    // Whether p stands on a multiple of `step`, with nothing but spaces before it.
    bool AtIndentStep(TPoint p, int step) const;

    // ---- Edits ----
    // `typed` at p; with `overwrite` it replaces the user-perceived character at p (if any).
    // The caret goes after the first typed code point.
    TEditResult Type(TPoint p, std::string_view typed, bool overwrite);
    // Enter: the line splits at p, the caret goes to the start of the new line.
    TEditResult BreakLine(TPoint p);
    // The leading spaces of the line above go in front of `line`; the caret after them.
    TEditResult CopyIndent(int line);
    // The first `step` characters of `line` go; the caret goes `step` to the left of p.
    TEditResult Unindent(TPoint p, int step);
    // `line` and the next become one line; the caret goes to the join.
    TEditResult JoinWithNext(int line);
    // The text between two positions (either order, clamped into the text) goes; the caret
    // goes to the earlier one. Nothing happens when the two are the same.
    TEditResult DeleteRange(TPoint start, TPoint end);
    // `lines` go in at p, the last one joined with the rest of p's line; nothing happens at a
    // position outside the text. The caret goes to the end of the inserted text.
    TEditResult InsertLines(TPoint p, std::vector<std::string> lines);
    // `text` as lines (any line break, nothing after a NUL, a break at the very end kept as
    // an empty last line) at p; nothing when the text holds neither a character nor a break.
    std::optional<TEditResult> InsertText(TPoint p, const std::string& text);

    // ---- The saved point ----
    // The text as it now stands becomes the one the file holds: as loaded or saved, or what
    // stands for an empty file.
    void MarkSaved() { Saved = FLines.Snapshot(); }
    // Whether the text differs from the saved point. Edits undone or redone back to it leave
    // the text unchanged again, as does typing it back by hand.
    bool Modified() const { return !FLines.SameText(Saved); }

    // ---- Undo ----
    // A snapshot of the text with the selection; refused (ESilentCancel) while a snapshot is
    // being restored, which would record the restore itself and drop the redo steps.
    void AddUndoPoint(int32_t selStart, int32_t selLength);
    void ClearUndo() { History.Clear(); }
    bool CanUndo() const { return History.CanUndo(); }
    bool CanRedo() const { return History.CanRedo(); }
    int UndoCount() const { return History.Count(); }
    int32_t UndoOffset() const { return History.UndoOffset(); }
    const TUndoSnapshot& UndoSnapshot(int index) const { return History[index]; }
    bool Restoring() const { return FRestoring; }
    // Restores the text an undo (a redo) goes back to, hands its snapshot to `restored` (which
    // sets the selection), then steps the history. False with nothing to undo (redo).
    using TRestored = std::function<void(const TUndoSnapshot&)>;
    bool Undo(const TRestored& restored);
    bool Redo(const TRestored& restored);

private:
    // One step through the history: a redo when `forward`, an undo otherwise.
    bool Step(bool forward, const TRestored& restored);
    void RestoreText(const TLineSnapshot& text);
    // Line `line` becomes `text`, changed from `column` on.
    TEditResult OneLine(int line, int column, std::string text, TPoint caret);

    TLineStore FLines;
    TLineSnapshot Saved = FLines.Snapshot();
    TUndoHistoryOf<TUndoSnapshot> History;
    bool FRestoring = false;
};
