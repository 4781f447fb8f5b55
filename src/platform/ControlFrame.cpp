#include "platform/ControlFrame.h"

#include "platform/Color.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

int ClientEdgeWidth(TBorderStyle style, bool ctl3D)
{
    if (style == bsNone) return 0;
    return ctl3D ? 2 : 1;
}

void PaintClientEdge(QPainter& p, int w, int h, TBorderStyle style, bool ctl3D)
{
    auto hline = [&](int x0, int x1, int y, TColor c) { p.fillRect(x0, y, x1 - x0, 1, ToQColor(c)); };
    auto vline = [&](int x, int y0, int y1, TColor c) { p.fillRect(x, y0, 1, y1 - y0, ToQColor(c)); };
    if (style == bsSingle && ctl3D) {
        hline(0, w - 1, 0, clBtnShadow);
        vline(0, 0, h - 1, clBtnShadow);
        hline(0, w, h - 1, clBtnHighlight);
        vline(w - 1, 0, h, clBtnHighlight);
        const QColor dark = ToQColor(ColorToRGB(clBtnShadow)).darker(160);
        p.fillRect(1, 1, w - 3, 1, dark);
        p.fillRect(1, 1, 1, h - 3, dark);
        hline(1, w - 1, h - 2, clBtnFace);
        vline(w - 2, 1, h - 1, clBtnFace);
    } else if (style == bsSingle) {
        p.setPen(ToQColor(clWindowText));
        p.drawRect(0, 0, w - 1, h - 1);
    }
}

void SetScrollInfo(QScrollBar* bar, int min, int max, int page)
{
    const int top = std::max(min, max - std::max(page - 1, 0));
    const QSignalBlocker block(bar);
    bar->setRange(min, top);
    bar->setPageStep(std::max(page, 1));
    bar->setSingleStep(1);
    bar->setVisible(page < max - min + 1);
}
