#pragma once
// Hides the editor's system caret for the duration of a command, also when it ends with an
// error, so partial redraws never draw over a visible caret.
#include "editor/input/InputHost.h"

class TCaretHidden {
public:
    explicit TCaretHidden(TInputHost& e) : E(e) { E.HideCaret(); }
    ~TCaretHidden() { E.ShowCaret(); }
    TCaretHidden(const TCaretHidden&) = delete;
    TCaretHidden& operator=(const TCaretHidden&) = delete;

private:
    TInputHost& E;
};
