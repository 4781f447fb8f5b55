#include "colordlg/ColorMap.h"

#include "colordlg/ColorModel.h"

TColorMap::TColorMap(QWidget* parent) : TColorPicker(parent, md2D)
{
    resize(257, 30);
    setFocusPolicy(Qt::ClickFocus);
}

void TColorMap::Render()
{
    TCanvas& c = Canvas();
    c.Brush.Color = clBtnFace;
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
    c.Pen.Width = 1;
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    for (const THueStep& s : HueWalk(width())) {
        c.Pen.Color = s.Color;
        if (OnPaintEach) OnPaintEach(this, s.Color);
        c.MoveTo(s.X, 0);
        c.LineTo(s.X, height());
    }
}
