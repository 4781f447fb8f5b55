#pragma once
// Dragging the selection with the mouse. A press on the selection takes its text along: a move
// takes it out of the text at once, a copy (Ctrl) leaves it there. While the button is held
// the caret follows the pointer as the drop point; the release puts the text there. A drag
// whose release never comes (another window took it) puts a moved text back where it was.
#include "editor/input/InputHost.h"
#include "editor/view/EditorViewState.h"

class TSelectionDrag {
public:
    TSelectionDrag(TInputHost& host, TSelectionDragState& state) : H(host), St(state) {}

    // A press at `p`: true when it lies on the selection and a drag began.
    bool Press(TPoint p, bool copy);
    // The pointer at text position `p` while the button is held.
    void Follow(TPoint p);
    // The release at text position `p`.
    void Drop(TPoint p);
    void Cancel();

private:
    void Start(bool copy);

    TInputHost& H;
    TSelectionDragState& St;
};
