#pragma once
// A text position (column X, line Y, both from 0) with a change callback, and the ordering of
// positions. The editor holds three: the caret, the moving end of the selection and the
// top-left visible cell.
#include "platform/Geometry.h"

#include <functional>

class TCaretPos {
public:
    using TChangeEvent = std::function<void(TPoint newPoint)>;

    TCaretPos() = default;
    explicit TCaretPos(TChangeEvent onChange) : OnChange(std::move(onChange)) {}

    int X() const { return P.X; }
    int Y() const { return P.Y; }
    TPoint GetPoint() const { return P; }

    void SetX(int v);
    void SetY(int v);
    // Stores both and calls back once, unless nothing changes.
    void SetPoint(TPoint p);
    // Stores without any callback.
    void SetPointQuiet(TPoint p) { P = p; }
    // Stores, then calls back even when nothing changed.
    void SetPointNotify(TPoint p);

    TChangeEvent OnChange;

private:
    TPoint P;
};

// -1 when a comes before b (by line, then column), 0 when equal, 1 when after.
int ComparePos(TPoint a, TPoint b);
