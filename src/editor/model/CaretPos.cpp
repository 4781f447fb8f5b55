#include "editor/model/CaretPos.h"

void TCaretPos::SetX(int v)
{
    if (v == P.X) return;
    P.X = v;
    if (OnChange) OnChange(P);
}

void TCaretPos::SetY(int v)
{
    if (v == P.Y) return;
    P.Y = v;
    if (OnChange) OnChange(P);
}

void TCaretPos::SetPoint(TPoint p)
{
    if (p == P) return;
    P = p;
    if (OnChange) OnChange(P);
}

void TCaretPos::SetPointNotify(TPoint p)
{
    P = p;
    if (OnChange) OnChange(P);
}

int ComparePos(TPoint a, TPoint b)
{
    if (a.Y != b.Y) return a.Y < b.Y ? -1 : 1;
    if (a.X != b.X) return a.X < b.X ? -1 : 1;
    return 0;
}
