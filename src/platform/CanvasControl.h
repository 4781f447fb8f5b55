#pragma once
// A control that paints itself into a persistent backing image. Repaint() runs the paint
// routine on the image at once; paintEvent only copies the image to the screen and draws the
// system caret over it, so pixel reads of the image never see the caret. Drawing between
// paints (partial redraws, pixel copies while scrolling) goes straight into the image, and
// MarkDirty, the one way to show what was drawn, puts it on screen.
#include "platform/Canvas.h"
#include "platform/Property.h"

#include <QImage>
#include <QWidget>
#include <utility>

class QPainter;

class TCanvasControl : public QWidget {
    Q_OBJECT
public:
    explicit TCanvasControl(QWidget* parent = nullptr);

    TCanvas& Canvas() { return FCanvas; }
    const TCanvas& Canvas() const { return FCanvas; }
    const QImage& BackingImage() const { return Image; }
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    TRect ClientRect() const { return {0, 0, width(), height()}; }

    TColor Color() const { return FColor; }
    // Repaints when the value changes. Assigning a colour stops following the parent's.
    void SetColor(TColor c);
    // Following the parent's window colour: taken now, and again whenever the control gets
    // another parent or the parent's palette changes. Off unless a control turns it on.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool on);

    // Runs Paint() on the backing image now and shows the result.
    void Repaint();
    // Shows what was drawn into the backing image, at the next screen update. Asked once;
    // drawing more before that update costs nothing more.
    void MarkDirty();

    // Whether the client pixel (x, y) is on screen and not covered by another window.
    bool IsClientPixelVisible(int x, int y) const;

protected:
    // The control's own paint routine, drawing the whole client area into Canvas().
    virtual void Paint() = 0;
    // What shows over the image on screen but is no part of it, under the caret.
    virtual void PaintOver(QPainter&) {}
    // The setter of a property the picture shows: stores the value and repaints, when it
    // differs from the one stored.
    template <typename T, typename U>
    void SetAndRepaint(T& field, U&& value)
    {
        if (AssignChanged(field, std::forward<U>(value))) Repaint();
    }

    void changeEvent(QEvent* e) override;

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void EnsureImageSize();
    void TakeParentColor();

    QImage Image;
    TCanvas FCanvas;
    TColor FColor = clBtnFace;
    // A Paint() owed before the image is shown, and a screen update already asked for.
    bool NeedsPaint = true, UpdatePending = false;
    bool FParentColor = false;
};
