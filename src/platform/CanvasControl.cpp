#include "platform/CanvasControl.h"

#include "platform/SystemCaret.h"

#include <QApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

TCanvasControl::TCanvasControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    EnsureImageSize();
}

void TCanvasControl::EnsureImageSize()
{
    const QSize want(std::max(1, width()), std::max(1, height()));
    if (Image.size() == want) return;
    QImage next(want, QImage::Format_RGB32);
    next.fill(ToQColor(FColor));
    if (!Image.isNull()) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, Image);
    }
    Image = std::move(next);
    FCanvas.SetImage(&Image);
}

void TCanvasControl::SetColor(TColor c)
{
    if (c == FColor) return;
    FColor = c;
    Repaint();
}

void TCanvasControl::Repaint()
{
    EnsureImageSize();
    NeedsPaint = false;
    Paint();
    update();
}

void TCanvasControl::Invalidate()
{
    NeedsPaint = true;
    update();
}

void TCanvasControl::Flush(const TRect& r) { update(ToQRect(r)); }

void TCanvasControl::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    EnsureImageSize();
    NeedsPaint = true;
}

void TCanvasControl::paintEvent(QPaintEvent* e)
{
    if (NeedsPaint) {
        EnsureImageSize();
        NeedsPaint = false;
        Paint();
    }
    QPainter p(this);
    p.drawImage(e->rect(), Image, e->rect());
    SystemCaret::PaintOver(this, p);
}

bool TCanvasControl::IsClientPixelVisible(int x, int y) const
{
    if (!isVisible() || x < 0 || y < 0 || x >= width() || y >= height()) return false;
    if (!visibleRegion().contains(QPoint(x, y))) return false;
    const QPoint global = mapToGlobal(QPoint(x, y));
    QScreen* screen = QGuiApplication::screenAt(global);
    if (!screen) return false;
    QWidget* top = QApplication::topLevelAt(global);
    return top == window();
}
