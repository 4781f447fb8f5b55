#pragma once
// The editor's frame: its text area and two real scroll bars inside a border. A bar shows only
// while its range does not fit in one page; as showing or hiding one bar changes the page of
// the other, setting the ranges lays the frame out again until it settles.
#include "platform/ControlFrame.h"
#include "platform/Geometry.h"

#include <QtCore/qnamespace.h>

#include <functional>

class QScrollBar;
class QWidget;

class TScrolledFrame {
public:
    // Creates the bars as children of `owner`, without focus, empty and hidden; their requests
    // (QAbstractSlider actions) go to `onAction`.
    TScrolledFrame(QWidget* owner, QWidget* area, std::function<void(Qt::Orientation, int)> onAction);

    QScrollBar* Vert() const { return FVert; }
    QScrollBar* Horz() const { return FHorz; }
    // Places the area and the bars that show inside the owner, within a border `border` wide.
    void Layout(int border) const;
    // The vertical range over `lines` lines and the horizontal one over `longest` columns,
    // each with a page of the whole cells the area shows.
    void SetRanges(int lines, int longest, int charWidth, int lineHeight, int border);
    // The square between two visible bars, inside a border `border` wide.
    void PaintCorner(QPainter& p, int border) const;
    // The bars' positions: the scroll position's column and line.
    void SetPosition(TPoint scroll) const;

private:
    QWidget* Owner;
    QWidget* Area;
    QScrollBar* FVert;
    QScrollBar* FHorz;
    bool LayingOut = false;
};
