#include "editor/view/ScrolledFrame.h"

#include "editor/view/GridGeometry.h"
#include "platform/Color.h"

#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>

TScrolledFrame::TScrolledFrame(QWidget* owner, QWidget* area,
                               std::function<void(Qt::Orientation, int)> onAction)
    : Owner(owner), Area(area), FVert(new QScrollBar(Qt::Vertical, owner)),
      FHorz(new QScrollBar(Qt::Horizontal, owner))
{
    for (QScrollBar* bar : {FVert, FHorz}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setRange(0, 0);
        bar->hide();
        const Qt::Orientation o = bar->orientation();
        QObject::connect(bar, &QScrollBar::actionTriggered, owner, [onAction, o](int action) { onAction(o, action); });
    }
}

void TScrolledFrame::Layout(int border) const
{
    const int b = border;
    const int ext = Owner->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FVert);
    const bool v = !FVert->isHidden(), h = !FHorz->isHidden();
    const int innerW = std::max(0, Owner->width() - 2 * b), innerH = std::max(0, Owner->height() - 2 * b);
    const int viewW = std::max(0, innerW - (v ? ext : 0)), viewH = std::max(0, innerH - (h ? ext : 0));
    Area->setGeometry(b, b, viewW, viewH);
    if (v) FVert->setGeometry(b + viewW, b, innerW - viewW, viewH);
    if (h) FHorz->setGeometry(b, b + viewH, viewW, innerH - viewH);
}

void TScrolledFrame::SetRanges(int lines, int longest, int charWidth, int lineHeight, int border)
{
    if (LayingOut) return;
    LayingOut = true;
    for (int pass = 0; pass < 3; ++pass) {
        const bool v = !FVert->isHidden(), h = !FHorz->isHidden();
        const TGridGeometry g{Area->width(), Area->height(), charWidth, lineHeight};
        ::SetScrollInfo(FVert, 0, lines - 1, g.Rows());
        ::SetScrollInfo(FHorz, 0, longest - 1, g.Cols());
        if (v == !FVert->isHidden() && h == !FHorz->isHidden()) break;
        Layout(border);
        Owner->update();
    }
    LayingOut = false;
}

void TScrolledFrame::SetPosition(TPoint scroll) const
{
    FVert->setValue(scroll.Y);
    FHorz->setValue(scroll.X);
}

void TScrolledFrame::PaintCorner(QPainter& p, int border) const
{
    const int w = Owner->width(), h = Owner->height(), b = border;
    if (FVert->isHidden() || FHorz->isHidden()) return;
    p.fillRect(QRect(FVert->x(), FHorz->y(), FVert->width(), FHorz->height()).intersected(QRect(b, b, w - 2 * b, h - 2 * b)),
               ToQColor(clBtnFace));
}
