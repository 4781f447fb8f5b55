#pragma once
// What the editor asks of the line-number ruler attached at its left. The ruler derives from
// this; the editor works without one.
#include "platform/CanvasControl.h"

class TRulerBase : public TCanvasControl {
    Q_OBJECT
public:
    using TCanvasControl::TCanvasControl;

    // Whether the ruler draws line numbers at the moment.
    virtual bool ShowsLineNumbers() const = 0;
    // The editor's first visible line, its cell height or its scrolling state changed: repaint
    // at once when numbers are shown, otherwise leave the picture as it is.
    virtual void RefreshLineNumbers() = 0;
    // Repaint() (at once, whatever is shown) comes from TCanvasControl.
};
