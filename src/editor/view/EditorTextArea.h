#pragma once
// The editor's text area: a canvas control whose backing image is the editor's client area.
// Partial redraws draw straight into the image and mark it dirty; a full repaint runs
// OnPaint, or fills the area with its colour while there is none yet; OnPaintOver draws what
// shows over the image but is no part of the text (the text an input method composes). Mouse
// input and the cursor are the editor's.
#include "platform/CanvasControl.h"

#include <functional>

class TEditorTextArea : public TCanvasControl {
    Q_OBJECT
public:
    explicit TEditorTextArea(QWidget* parent);
    std::function<void()> OnPaint;
    std::function<void(QPainter&)> OnPaintOver;

protected:
    void Paint() override;
    void PaintOver(QPainter& p) override
    {
        if (OnPaintOver) OnPaintOver(p);
    }
};
