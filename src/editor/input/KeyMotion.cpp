#include "editor/input/KeyMotion.h"

#include "editor/model/LineLayout.h"

#include <Qt>

#include <algorithm>

namespace {

TPoint Horizontal(const TEditDocument& doc, bool right, TPoint p, bool ctrl, std::string_view stopChars)
{
    const int last = doc.Count() - 1;
    if (right) {
        if (ctrl) return doc.WordRight(p, stopChars);
        // A user-perceived character at a time: a letter with its marks, an emoji sequence.
        if (p.X < doc.Length(p.Y)) return {NextStop(doc[p.Y], p.X), p.Y};
        if (p.Y < last) return {0, p.Y + 1};
        return p;
    }
    if (ctrl) return doc.WordLeft(p, stopChars);
    if (p.X > 0) return {PreviousStop(doc[p.Y], p.X), p.Y};
    if (p.Y > 0) return {doc.Length(p.Y - 1), p.Y - 1};
    return p;
}

} // namespace

std::optional<TPoint> KeyMotionTarget(const TEditDocument& doc, int key, TPoint p, bool ctrl, int rows,
                                      std::string_view stopChars)
{
    const int last = doc.Count() - 1;
    // The same cell on another line, or that line's end when it is shorter; never inside a
    // user-perceived character (one that covers the cell is gone to where it begins).
    const int cell = CellOfColumn(doc[p.Y], p.X);
    auto lineAt = [&](int y) {
        const TLineCells cells(doc[y]);
        return TPoint{cells.ColumnAt(std::min(cell, cells.CellCount())), y};
    };
    switch (key) {
    case Qt::Key_Left: return Horizontal(doc, false, p, ctrl, stopChars);
    case Qt::Key_Right: return Horizontal(doc, true, p, ctrl, stopChars);
    case Qt::Key_Up: return p.Y > 0 ? lineAt(p.Y - 1) : p;
    case Qt::Key_Down: return p.Y < last ? lineAt(p.Y + 1) : p;
    case Qt::Key_PageUp: return lineAt(std::max(p.Y - rows, 0));
    // Near the bottom the page jumps to the very end of the text.
    case Qt::Key_PageDown: return p.Y + rows < last ? lineAt(p.Y + rows) : TPoint{doc.Length(last), last};
    case Qt::Key_Home: return ctrl ? TPoint{0, 0} : TPoint{0, p.Y};
    case Qt::Key_End: return ctrl ? TPoint{doc.Length(last), last} : TPoint{doc.Length(p.Y), p.Y};
    default: return std::nullopt;
    }
}
