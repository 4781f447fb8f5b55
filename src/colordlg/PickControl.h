#pragma once
// What the colour pickers (the hue strip, the brightness field, the web-safe palette) share:
// the left button pressed over the pickable area starts a drag that holds the pointer inside
// the control until it is released; a press and release inside is a click; the right button
// opens the popup menu. However a drag ends (release, hiding, the window losing activation,
// the control disabled, destruction), the pointer is let go.
#include "platform/CanvasControl.h"
#include "platform/InputControl.h"

#include <QMenu>
#include <QPointer>
#include <functional>

class TPickControl : public TInputControl<TCanvasControl> {
    Q_OBJECT
public:
    using TNotify = std::function<void(QObject* sender)>;

    ~TPickControl() override;

    bool Dragging() const { return FDragging; }

    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

protected:
    using TInputControl::TInputControl;

    // What a press does after OnMouseDown (the second press of a double click too).
    virtual void Press(QMouseEvent* e) = 0;
    // Starts a drag, holding the pointer in the client rectangle from `from` to `to`.
    void BeginDrag(TPoint from, TPoint to);
    void EndDrag();

    // TInputControl: a release lets the pointer go, and clicks after a left press inside.
    void MouseDown(QMouseEvent* e, bool second) override;
    bool MouseUp(QMouseEvent* e) override;

    void contextMenuEvent(QContextMenuEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    bool FDragging = false;
    bool FPressedInside = false;
    QPointer<QMenu> FPopupMenu;
};
