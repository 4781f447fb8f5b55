#include "colordlg/ColorPicker.h"

#include "colordlg/ColorDialogAccessibility.h"
#include "colordlg/ColorModel.h"
#include "platform/Accessibility.h"
#include "platform/Pointer.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

TColorPicker::TColorPicker(QWidget* parent, TMapDimension dimension)
    : TPickControl(parent), FMapDimension(dimension)
{
    InstallColorDialogAccessibility();
}

void TColorPicker::SetCurrentPointX(int v)
{
    if (!AcceptsPropertyValue(v, width())) return;
    FCurrentPointX = v;
    MovePoint({PixelOfPropertyValue(v), FCurrent.Y});
}

void TColorPicker::SetCurrentPointY(int v)
{
    if (!AcceptsPropertyValue(v, height())) return;
    FCurrentPointY = v;
    MovePoint({FCurrent.X, PixelOfPropertyValue(v)});
}

void TColorPicker::SetMapDimension(TMapDimension v)
{
    FMapDimension = v;
    Repaint();
}

void TColorPicker::Paint()
{
    if (!FMarkersOnly || FRenderedSize != size()) {
        Render();
        FRenderedSize = size();
        FFreshlyRendered = true;
    }
    TCanvas& c = Canvas();
    c.Pen.Width = 1;
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    // Drawing the inverse of what the marker shows restores what lay under it.
    if (!FFreshlyRendered) DrawMarkerAt(FPrevious);
    DrawMarkerAt(FCurrent);
    if (FFreshlyRendered) FPrevious = FCurrent;
    FFreshlyRendered = false;
}

void TColorPicker::DrawMarkerAt(TPoint p)
{
    TCanvas& c = Canvas();
    const TColor inverse = InvertColor(c.GetPixel(p.X, p.Y));
    if (FMapDimension == md1D) {
        c.Pen.Color = inverse;
        c.MoveTo(p.X, 0);
        c.LineTo(p.X, height());
    } else {
        c.SetPixel(p.X, p.Y, inverse);
    }
}

void TColorPicker::RedrawMarkers()
{
    FMarkersOnly = true;
    Repaint();
    FMarkersOnly = false;
}

TColor TColorPicker::ColorAt(TPoint p) const
{
    // Through the canvas, so a point is a logical pixel whatever the screen's pixel ratio.
    const TCanvas& c = Canvas();
    const TPoint at = ReadPixel(p);
    return c.GetPixel(std::min(at.X, c.Width() - 1), std::min(at.Y, c.Height() - 1));
}

TPoint TColorPicker::ReadPixel(TPoint p) const
{
    return {std::clamp(p.X, 0, std::max(0, width() - 1)), std::clamp(p.Y, 0, std::max(0, height() - 1))};
}

bool TColorPicker::MarkerCovers(TPoint marker, TPoint p) const
{
    // The marker is drawn only where it lies on the control; a point on the far edges reads
    // the nearest pixel, which the marker may or may not cover.
    const TPoint read = ReadPixel(p);
    const bool columnShown = marker.X >= 0 && marker.X < width() && height() > 0;
    if (FMapDimension == md1D) return columnShown && read.X == marker.X;
    return columnShown && marker.Y >= 0 && marker.Y < height() && read == marker;
}

void TColorPicker::MovePoint(TPoint p)
{
    FPrevious = FCurrent;
    FCurrent = p;
    // Read before the marker moves: a point under the old marker reads the marker's inverse.
    const bool underMarker = MarkerCovers(FPrevious, p);
    FPicked = ColorAt(p);
    RedrawMarkers();
    if (underMarker) FPicked = InvertColor(FPicked);
    // Screen readers hear the slider's value, or each of the two sliders' values, move.
    if (FMapDimension == md1D) {
        Accessibility::NotifyValue(this, FCurrent.X);
    } else {
        Accessibility::NotifyChildValue(this, 0, FCurrent.X);
        Accessibility::NotifyChildValue(this, 1, height() - FCurrent.Y);
    }
    if (OnPointChange) OnPointChange(this, FCurrent, FPicked);
}

void TColorPicker::PickPoint(TPoint p)
{
    if (Inside(p.X, p.Y)) MovePoint(p);
}

void TColorPicker::RenderAndReport()
{
    Repaint();
    // The marker now lies over the current point, so the pixel read there is its inverse.
    FPicked = ColorAt(FCurrent);
    if (MarkerCovers(FCurrent, FCurrent)) FPicked = InvertColor(FPicked);
    if (OnPointChange) OnPointChange(this, FCurrent, FPicked);
}


void TColorPicker::Press(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton && Inside(p.x(), p.y())) {
        BeginDrag({0, 0}, DragCorner());
        MovePoint({p.x(), p.y()});
    }
    if (FocusOnPress()) setFocus(Qt::MouseFocusReason);
}

void TColorPicker::MouseMove(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (Dragging() && Inside(p.x(), p.y())) MovePoint({p.x(), p.y()});
}

void TColorPicker::focusOutEvent(QFocusEvent* e)
{
    EndDrag();
    TPickControl::focusOutEvent(e);
}
