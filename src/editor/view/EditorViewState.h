#pragma once
// The editor widget's working state beside its three positions: what the incremental redraw
// remembers of the picture on screen, the one-shot and mode flags of caret handling, and the
// mouse's selection and drag in progress.
#include "platform/Geometry.h"

#include <string>
#include <vector>

// A press on the selection: its text goes to the release point, moved (taken away at the
// press from DragOrigin, DragRemoved) or copied. Dragging the selection keeps it.
struct TSelectionDragState {
    bool DraggingSelection = false;
    std::vector<std::string> DragText;
    TPoint DragOrigin;
    bool DragRemoved = false;
};

struct TEditorViewState : TSelectionDragState {
    // The next caret move collapses the selection, whatever the Shift key is doing.
    bool CollapseSelection = false;
    // What the selection-end handler last drew: whether a selection showed, and its two ends.
    bool HadSelection = false;
    TPoint PrevCaret;
    TPoint PrevSelEnd;
    // The scroll position the pixels on screen show.
    TPoint PrevScrollPos;
    // While set, caret and selection moves leave the scroll position alone.
    bool NoAutoScroll = false;
    // The last scroll or Enter found the client area covered and repainted it whole.
    bool NeedsFullRepaint = false;
    // Scrolled within the settle time: the ruler draws its cheap picture.
    bool IsScrolling = false;
    // A left press outside the selection: pointer moves extend it until the release.
    bool MouseSelecting = false;
};
