#pragma once
// The frame a windowed control draws around its client area, and its scroll bars set the way
// the system sets them.
#include <QPainter>

class QScrollBar;

enum TBorderStyle { bsNone, bsSingle };

// Pixels the border takes on each side: the sunken 3-D edge is two, the flat line one.
int ClientEdgeWidth(TBorderStyle style, bool ctl3D);

// Draws the border into a widget of `width` x `height` pixels: a sunken edge in the desktop's
// colours, or a one-pixel line in the window-text colour without the 3-D look.
void PaintClientEdge(QPainter& p, int width, int height, TBorderStyle style, bool ctl3D);

// Sets a bar to the range min ... max with `page` items in view, as the system's scroll bars
// do: the thumb's last position is max - page + 1, and the bar hides while the whole range fits
// in one page. No signal is sent.
void SetScrollInfo(QScrollBar* bar, int min, int max, int page);
