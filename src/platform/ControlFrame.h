#pragma once
// The frame a windowed control draws around its client area, and its scroll bars set the way
// the system sets them.
#include "platform/Property.h"

#include <QPainter>

class QScrollBar;

enum TBorderStyle { bsNone, bsSingle };

// Pixels the border takes on each side: the sunken 3-D edge is two, the flat line one.
int ClientEdgeWidth(TBorderStyle style, bool ctl3D);

// Draws the border into a widget of `width` x `height` pixels: a sunken edge in the desktop's
// colours, or a one-pixel line in the window-text colour without the 3-D look.
void PaintClientEdge(QPainter& p, int width, int height, TBorderStyle style, bool ctl3D);

// The border properties of a control that frames its client area (and scroll bars). Another
// style or 3-D look asks the control to lay itself out again; an equal value does nothing.
class TClientFrame {
public:
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle s)
    {
        if (AssignChanged(FBorderStyle, s)) BorderChanged();
    }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool v)
    {
        if (AssignChanged(FCtl3D, v)) BorderChanged();
    }

protected:
    ~TClientFrame() = default;
    // The border's width decides the client area: lay it out and paint the frame again.
    virtual void BorderChanged() = 0;
    // Pixels the border takes on each side.
    int BorderWidth() const { return ClientEdgeWidth(FBorderStyle, FCtl3D); }
    // Draws the border into the control, `width` x `height` pixels.
    void PaintBorder(QPainter& p, int width, int height) const
    {
        PaintClientEdge(p, width, height, FBorderStyle, FCtl3D);
    }

private:
    TBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = true;
};

// Sets a bar to the range min ... max with `page` items in view, as the system's scroll bars
// do: the thumb's last position is max - page + 1, and the bar hides while the whole range fits
// in one page. No signal is sent.
void SetScrollInfo(QScrollBar* bar, int min, int max, int page);
