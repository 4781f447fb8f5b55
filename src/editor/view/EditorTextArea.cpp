#include "editor/view/EditorTextArea.h"

TEditorTextArea::TEditorTextArea(QWidget* parent) : TCanvasControl(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TEditorTextArea::Paint()
{
    if (OnPaint) {
        OnPaint();
        return;
    }
    Canvas().Brush = {Color(), bsSolid};
    Canvas().FillRect(ClientRect());
}
