#pragma once
// What the editor and the line-number ruler attached at its left know of each other. The
// ruler derives from TRulerBase; the editor works without one.
#include "platform/Canvas.h"
#include "platform/CanvasControl.h"

// What the ruler paints its numbers from: the editor's first visible line, its row height,
// whether it is scrolling (the cheap picture) and its font.
struct TRulerView {
    int TopLine = 0;
    int LineHeight = 0;
    bool Scrolling = false;
    TFont Font;
};

class TRulerBase : public TCanvasControl {
    Q_OBJECT
public:
    using TCanvasControl::TCanvasControl;

    // Whether the ruler draws line numbers at the moment.
    virtual bool ShowsLineNumbers() const = 0;
    // The editor's view as it is now, kept for the next picture; nothing is drawn.
    void SetEditorView(const TRulerView& v) { FEditorView = v; }
    const TRulerView& EditorView() const { return FEditorView; }
    // The editor's first visible line, its cell height or its scrolling state changed: repaint
    // at once when numbers are shown, otherwise leave the picture as it is.
    virtual void RefreshLineNumbers() = 0;
    // Repaint() (at once, whatever is shown) comes from TCanvasControl.

protected:
    TRulerView FEditorView;
};
