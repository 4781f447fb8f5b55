#pragma once
// What the hue strip (TColorMap) and the brightness field (TColorBrightness) share: a current
// point with a marker drawn in the inverse of what lies under it, moved by property values or
// by pressing and dragging with the left button, and reported with the colour under it.
// The two differ in how a property value addresses a pixel, in the corner that confines the
// pointer during a drag, in taking the focus, and in what they render.
#include "colordlg/PickControl.h"

#include <QSize>
#include <QString>
#include <functional>

enum TMapDimension { md1D, md2D };

class TColorPicker : public TPickControl {
    Q_OBJECT
public:
    using TPointChangeEvent = std::function<void(QObject* sender, TPoint point, TColor color)>;
    using TPaintEachEvent = std::function<void(QObject* sender, TColor color)>;
    // The values last assigned; moving the point with the pointer leaves them alone.
    int CurrentPointX() const { return FCurrentPointX; }
    void SetCurrentPointX(int v);
    int CurrentPointY() const { return FCurrentPointY; }
    void SetCurrentPointY(int v);

    TMapDimension MapDimension() const { return FMapDimension; }
    void SetMapDimension(TMapDimension v);

    // The pixel the marker stands on, and the one it stood on before.
    TPoint CurrentPoint() const { return FCurrent; }
    TPoint PreviousPoint() const { return FPrevious; }
    TColor PickedColor() const { return FPicked; }

    // Inside is 0 <= x <= width and 0 <= y <= height, both ends included.
    bool Inside(int x, int y) const { return x >= 0 && x <= width() && y >= 0 && y <= height(); }

    // Redraws only the marker: erases it where it was and draws it at the current point.
    void RedrawMarkers();
    // Moves the marker to `p` as a press there does (nothing outside), reporting the colour.
    void PickPoint(TPoint p);

    // What screen readers call the marker's column (0) and row (1); see ColorPickerAccessible.
    QString AxisName(int axis) const { return FAxisNames[axis & 1]; }
    void SetAxisNames(const QString& column, const QString& row) { FAxisNames[0] = column, FAxisNames[1] = row; }

    TPointChangeEvent OnPointChange;
    TPaintEachEvent OnPaintEach;

protected:
    TColorPicker(QWidget* parent, TMapDimension dimension);

    // Draws the whole picture (without the marker) into Canvas().
    virtual void Render() = 0;
    // Whether a property value v may address a pixel along an edge `extent` long, and which.
    virtual bool AcceptsPropertyValue(int v, int extent) const = 0;
    virtual int PixelOfPropertyValue(int v) const = 0;
    // The far corner, in client pixels, of the rectangle the pointer is held in while dragging.
    virtual TPoint DragCorner() const = 0;
    virtual bool FocusOnPress() const = 0;

    void Paint() override;
    void Press(QMouseEvent* e) override;
    void MouseMove(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    // Renders anew, draws the marker and reports the colour under the unmoved marker.
    void RenderAndReport();

private:
    void MovePoint(TPoint p);
    void DrawMarkerAt(TPoint p);
    // The colour drawn at `p`; a point on the far edges (one past the last pixel) reads the
    // nearest pixel inside.
    TColor ColorAt(TPoint p) const;
    // The pixel a point reads: itself, or the nearest one on the control.
    TPoint ReadPixel(TPoint p) const;
    // Whether the marker drawn at `marker` covers the pixel that point `p` reads.
    bool MarkerCovers(TPoint marker, TPoint p) const;

    TColor FPicked = clBlack;
    TPoint FPrevious{1, 1};
    TPoint FCurrent{1, 1};
    bool FMarkersOnly = false;
    int FCurrentPointX = 0;
    int FCurrentPointY = 0;
    TMapDimension FMapDimension;
    bool FFreshlyRendered = false;
    // The size the last full render was made for: a marker step on a picture of another size
    // (not yet rendered, or resized since) renders first.
    QSize FRenderedSize;
    QString FAxisNames[2];
};
