#pragma once
// The editor's text area: a canvas control whose backing image is the editor's client area.
// Partial redraws draw straight into the image and mark it dirty; a full repaint runs
// OnPaint, or fills the area with its colour while there is none yet. Mouse input and the
// cursor are the editor's.
#include "platform/CanvasControl.h"

#include <functional>

class TEditorTextArea : public TCanvasControl {
    Q_OBJECT
public:
    explicit TEditorTextArea(QWidget* parent);
    // Asks once for a screen update after drawing into the backing image; further drawing
    // before that update costs nothing more.
    void MarkDirty()
    {
        if (UpdatePending) return;
        UpdatePending = true;
        update();
    }
    std::function<void()> OnPaint;

protected:
    void Paint() override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool UpdatePending = false;
};
