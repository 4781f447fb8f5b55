// The editor's document under any sequence of edits.
#include "FuzzChecks.h"

#include "editor/model/EditDocument.h"
#include "editor/model/LineLayout.h"

#include <algorithm>

namespace {

// Reads the input a byte at a time; past its end every byte is 0.
struct TReader {
    std::string_view Bytes;
    size_t At = 0;
    bool More() const { return At < Bytes.size(); }
    unsigned char Next() { return At < Bytes.size() ? static_cast<unsigned char>(Bytes[At++]) : 0; }
    std::string Take(size_t n)
    {
        n = std::min(n, Bytes.size() - std::min(At, Bytes.size()));
        std::string out(Bytes.substr(At, n));
        At += n;
        return out;
    }
};

// The editor's view of the document: a caret and the moving end of the selection.
struct TSession {
    TEditDocument Doc;
    TPoint Caret, SelEnd;

    TPoint At(unsigned char hi, unsigned char lo) const
    {
        TPoint p;
        const int64_t length = Doc.Lines().TextLength();
        const int64_t offset = (int64_t(hi) << 8 | lo) % (length + 1);
        return Doc.PositionFromOffset(offset, p) ? p : Doc.Clamp({int(lo), Doc.Count() - 1});
    }
    // The first thing found wrong.
    std::string Problem;

    // An edit: what it reports must match what it did; the caret goes where it says.
    template <class TEdit>
    void Edit(TEdit edit)
    {
        const int before = Doc.Count();
        const TEditResult r = edit();
        if (r.Changed && r.LinesAdded != Doc.Count() - before && Problem.empty())
            Problem = "an edit reports " + std::to_string(r.LinesAdded) + " lines added, the text has " +
                      std::to_string(Doc.Count() - before);
        if (r.Changed && (r.FirstLine < 0 || r.LastLine >= Doc.Count()) && Problem.empty())
            Problem = "an edit reports lines outside the text";
        Caret = SelEnd = r.Caret;
    }
    // What typing and the editing keys do to a selection first: it goes.
    void DeleteSelection()
    {
        if (Caret != SelEnd) Edit([&] { return Doc.DeleteRange(Caret, SelEnd); });
    }
    void Backspace()
    {
        const TPoint c = Caret;
        if (const int a = Doc.EntityStartBefore(c); a >= 0) Edit([&] { return Doc.DeleteRange({a, c.Y}, c); });
        else if (Doc.AtIndentStep(c, 2)) Edit([&] { return Doc.Unindent(c, 2); });
        else if (c.X > 0) Edit([&] { return Doc.DeleteRange({c.X - 1, c.Y}, c); });
        else if (c.Y > 0) Edit([&] { return Doc.JoinWithNext(c.Y - 1); });
    }
    void Delete()
    {
        if (Caret.X < Doc.Length(Caret.Y)) Edit([&] { return Doc.DeleteRange(Caret, {Caret.X + 1, Caret.Y}); });
        else if (Caret.Y < Doc.Count() - 1) Edit([&] { return Doc.JoinWithNext(Caret.Y); });
    }
    void SelectFrom(const TUndoSnapshot& s)
    {
        TPoint p;
        Caret = SelEnd = Doc.PositionFromOffset(s.SelStart, p) ? p : Doc.Clamp(Caret);
        if (Doc.PositionAfter(Caret, s.SelLength, p)) SelEnd = p;
    }
    void Snapshot()
    {
        const TPoint a = std::min(Caret, SelEnd, [](TPoint x, TPoint y) { return ComparePos(x, y) < 0; });
        const TPoint b = ComparePos(Caret, SelEnd) < 0 ? SelEnd : Caret;
        Doc.AddUndoPoint(Doc.AbsoluteOffset(a), Doc.Distance(a, b));
    }
    void Step(unsigned op, TReader& in);
};

void TSession::Step(unsigned op, TReader& in)
{
    const auto word = std::string_view(" <>=\"&;");
    switch (op % 13) {
    case 0: { // a character, inserted or overwriting
        const unsigned char ch = in.Next(), mode = in.Next();
        DeleteSelection();
        Edit([&] { return Doc.Type(Caret, std::string(1 + (mode & 1), char(ch)), mode & 2); });
        break;
    }
    case 1: // Enter, with the indentation of the line above
        DeleteSelection();
        Edit([&] { return Doc.BreakLine(Caret); });
        if (in.Next() & 1) Edit([&] { return Doc.CopyIndent(Caret.Y); });
        break;
    case 2: Caret != SelEnd ? DeleteSelection() : Backspace(); break;
    case 3: Caret != SelEnd ? DeleteSelection() : Delete(); break;
    case 4: { // Ctrl+Backspace
        const TPoint w = Doc.WordLeft(Caret, word);
        if (w.Y == Caret.Y && w.X < Caret.X) Edit([&] { return Doc.DeleteRange(w, Caret); });
        break;
    }
    case 5: { // Ctrl+Delete
        const TPoint w = Doc.WordRight(Caret, word);
        if (w.Y == Caret.Y && w.X > Caret.X) Edit([&] { return Doc.DeleteRange(Caret, w); });
        break;
    }
    case 6: { // pasted text
        const std::string text = in.Take(in.Next() % 24);
        DeleteSelection();
        Edit([&] { return Doc.InsertText(Caret, text).value_or(TEditResult{false, 0, -1, 0, Caret}); });
        break;
    }
    case 7: { // a range deleted
        const TPoint a = At(in.Next(), in.Next()), b = At(in.Next(), in.Next());
        Edit([&] { return Doc.DeleteRange(a, b); });
        break;
    }
    case 8: { // lines inserted at a position
        const TPoint p = At(in.Next(), in.Next());
        std::vector<std::string> lines(in.Next() % 4, std::string());
        for (auto& l : lines) l = in.Take(in.Next() % 6);
        Edit([&] { return Doc.InsertLines(p, lines); });
        break;
    }
    case 9: Caret = At(in.Next(), in.Next()), SelEnd = At(in.Next(), in.Next()); break;
    case 10: Doc.Undo([this](const TUndoSnapshot& s) { SelectFrom(s); }); break;
    case 11: Doc.Redo([this](const TUndoSnapshot& s) { SelectFrom(s); }); break;
    default: Snapshot(); break;
    }
}

// A line's characters on the grid: one after another, cell after cell, each a stop, one or
// two cells wide, their bytes the line's; every cell and column leads to its character.
std::string CheckCells(std::string_view line)
{
    const TLineCells cells(line);
    std::string bytes;
    TClusterCell c = cells.AtCell(0);
    for (int cell = 0; !c.Text.empty(); c = cells.Next(c)) {
        if (c.Cell != cell || c.Width < 1 || c.Width > 2 || StopAtOrBefore(line, c.Column) != c.Column)
            return "a character at cell " + std::to_string(c.Cell) + " out of place";
        for (int k = 0; k < c.Width; ++k)
            if (cells.ColumnAt(cell + k) != c.Column || cells.AtCell(cell + k).Column != c.Column)
                return "cell " + std::to_string(cell + k) + " leads elsewhere";
        if (cells.CellOf(c.Column) != cell) return "column " + std::to_string(c.Column) + " in the wrong cell";
        bytes += c.Text;
        cell += c.Width;
    }
    // Stray continuation bytes with no byte before them to begin a column take none.
    if (bytes != (c.Column ? line : "") || c.Column != ColumnCount(line) || c.Cell != cells.CellCount())
        return "the characters on the grid are not the line " + std::string(line);
    return "";
}

std::string CheckState(const TSession& s)
{
    const TEditDocument& d = s.Doc;
    if (!s.Problem.empty()) return s.Problem;
    for (const TPoint p : {s.Caret, s.SelEnd})
        if (p.Y < 0 || p.Y >= d.Count() || p.X < 0 || p.X > d.Length(p.Y))
            return "position " + std::to_string(p.X) + "," + std::to_string(p.Y) + " outside the text";
    for (const TPoint p : {s.Caret, s.SelEnd})
        if (const std::string problem = CheckCells(d[p.Y]); !problem.empty()) return problem;
    std::string joined;
    for (const std::string& line : d.Lines().ToVector()) joined += line + "\r\n";
    if (d.Lines().Text() != joined) return "the text is not its lines joined with CR LF";
    // A column is a code point: every byte but a UTF-8 continuation byte begins one.
    const int64_t columns = std::count_if(joined.begin(), joined.end(), [](char c) { return (c & 0xC0) != 0x80; });
    if (d.Lines().TextLength() != columns) return "the text's length is not its code points";
    if (d.AbsoluteOffset({d.Length(d.Count() - 1), d.Count() - 1}) + 2 != columns)
        return "the offset of the end is not the text's length";
    return "";
}

} // namespace

std::string CheckDocumentEdits(std::string_view input)
{
    TReader in{input};
    TSession s;
    s.Doc.Lines().SetText(in.Take(in.Next()));
    const std::string start = s.Doc.Lines().Text();
    s.Snapshot();
    for (size_t step = 1; in.More(); ++step) {
        s.Step(in.Next(), in);
        if (const std::string problem = CheckState(s); !problem.empty())
            return "step " + std::to_string(step) + ": " + problem;
    }
    s.Snapshot();
    while (s.Doc.CanUndo()) s.Doc.Undo(nullptr);
    if (s.Doc.Lines().Text() != start) return "undoing every step does not give back the starting text";
    return "";
}
