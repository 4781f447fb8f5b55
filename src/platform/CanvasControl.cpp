#include "platform/CanvasControl.h"

#include "platform/SystemCaret.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <cmath>

TCanvasControl::TCanvasControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    EnsureImageSize();
}

void TCanvasControl::EnsureImageSize()
{
    // One image pixel per device pixel of the screen the control is on, so what the control
    // draws is as sharp as the standard widgets beside it; TCanvas keeps the coordinates
    // logical. A ratio that changes (the window moved to another screen) asks for a paint.
    const qreal ratio = devicePixelRatioF();
    const QSize want(std::max(1, int(std::ceil(width() * ratio - 1e-6))),
                     std::max(1, int(std::ceil(height() * ratio - 1e-6))));
    if (Image.size() == want && Image.devicePixelRatio() == ratio) return;
    QImage next(want, QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(ToQColor(FColor));
    if (Image.devicePixelRatio() != ratio) {
        NeedsPaint = true;
    } else if (!Image.isNull()) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, Image);
    }
    Image = std::move(next);
    FCanvas.SetImage(&Image);
}

void TCanvasControl::SetColor(TColor c)
{
    FParentColor = false;
    SetAndRepaint(FColor, c);
}

void TCanvasControl::SetParentColor(bool on)
{
    FParentColor = on;
    TakeParentColor();
}

void TCanvasControl::TakeParentColor()
{
    if (!FParentColor || !parentWidget()) return;
    SetAndRepaint(FColor, FromQColor(parentWidget()->palette().color(QPalette::Window)));
}

void TCanvasControl::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ParentChange) TakeParentColor();
}

void TCanvasControl::Repaint()
{
    EnsureImageSize();
    NeedsPaint = false;
    Paint();
    MarkDirty();
}

void TCanvasControl::MarkDirty()
{
    if (UpdatePending) return;
    UpdatePending = true;
    update();
}

void TCanvasControl::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    EnsureImageSize();
    NeedsPaint = true;
}

void TCanvasControl::paintEvent(QPaintEvent* e)
{
    UpdatePending = false;
    if (Image.devicePixelRatio() != devicePixelRatioF()) EnsureImageSize();
    if (NeedsPaint) {
        EnsureImageSize();
        NeedsPaint = false;
        Paint();
    }
    QPainter p(this);
    const QRect r = e->rect();
    const qreal s = Image.devicePixelRatio();
    if (s == 1.0)
        p.drawImage(r, Image, r);
    else
        p.drawImage(QRectF(r), Image, QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
    PaintOver(p);
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
