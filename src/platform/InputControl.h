#pragma once
// The Qt input handlers of a control that publishes the program's input events (TInputEvents
// and the wheel), written once. Each handler publishes its event to the owner first, mouse
// positions in client pixels, and then hands the input to the control's own handling through
// the hooks below. TBase is QWidget or a control derived from it (TCanvasControl).
#include "platform/ControlEvents.h"
#include "platform/Win1252.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <optional>

template <class TBase>
class TInputControl : public TBase, public TInputEvents {
public:
    using TBase::TBase;

    TMouseWheelEvent OnMouseWheel;

protected:
    // Whether every key is the control's, so that a dialog's Enter and Esc buttons do not take
    // them; otherwise a key travels on to the parent after the control's own handling.
    virtual bool TakesKeys() const { return false; }
    // Where the client area begins inside the widget; a frame around it moves it in.
    virtual QPoint ClientOrigin() const { return {}; }
    QPoint ClientPos(const QMouseEvent* e) const { return e->position().toPoint() - ClientOrigin(); }

    // ---- The control's own handling, after the published event ----
    // A key, unless an OnKeyDown handler cleared it.
    virtual void KeyDown(int /*key*/, Qt::KeyboardModifiers /*shift*/) {}
    // Each character of the key in Windows-1252; one without a byte is neither published nor
    // handed on.
    virtual void KeyPress(char /*c*/) {}
    // A press of any button; `second` for the second press of a double click.
    virtual void MouseDown(QMouseEvent* /*e*/, bool /*second*/) {}
    // A move; a control that does nothing with it lets it travel on to the parent.
    virtual void MouseMove(QMouseEvent* e) { TBase::mouseMoveEvent(e); }
    // A release: whether it completes a click. OnClick follows when the pointer is still over
    // the control.
    virtual bool MouseUp(QMouseEvent* /*e*/) { return true; }
    // A turn of the wheel no OnMouseWheel handler took; a control that does nothing with it
    // lets it travel on to the parent.
    virtual void MouseWheel(QWheelEvent* e) { TBase::wheelEvent(e); }
    // A double click, after its second press and OnDblClick.
    virtual void DblClick() {}
    // The focus come (before OnEnter) or gone (before OnExit).
    virtual void FocusChanged(bool /*in*/) {}

    void keyPressEvent(QKeyEvent* e) override
    {
        if (TakesKeys())
            e->accept();
        else
            TBase::keyPressEvent(e);
        int key = e->key();
        if (OnKeyDown) {
            OnKeyDown(this, key, e->modifiers());
            if (key == 0) return;
        }
        KeyDown(key, e->modifiers());
        for (const char32_t u : e->text().toUcs4()) {
            const std::optional<char> byte = UnicodeToWin1252(u);
            if (!byte) continue;
            char c = *byte;
            if (OnKeyPress) OnKeyPress(this, c);
            KeyPress(c);
        }
    }

    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (TakesKeys())
            e->accept();
        else
            TBase::keyReleaseEvent(e);
        if (OnKeyUp) {
            int key = e->key();
            OnKeyUp(this, key, e->modifiers());
        }
    }

    void mousePressEvent(QMouseEvent* e) override { Press(e, false); }

    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        // The second press of a double click is a press too.
        Press(e, true);
        if (OnDblClick) OnDblClick(this);
        DblClick();
    }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        const QPoint p = ClientPos(e);
        if (OnMouseMove) OnMouseMove(this, e->modifiers(), p.x(), p.y());
        MouseMove(e);
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        e->accept();
        const QPoint p = ClientPos(e);
        if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), p.x(), p.y());
        if (MouseUp(e) && this->rect().contains(e->position().toPoint()) && OnClick) OnClick(this);
    }

    void wheelEvent(QWheelEvent* e) override
    {
        if (OnMouseWheel) {
            bool handled = false;
            const QPoint p = e->position().toPoint() - ClientOrigin();
            OnMouseWheel(this, e->modifiers(), e->angleDelta().y(), p.x(), p.y(), handled);
            if (handled) {
                e->accept();
                return;
            }
        }
        MouseWheel(e);
    }

    void focusInEvent(QFocusEvent* e) override
    {
        TBase::focusInEvent(e);
        FocusChanged(true);
        if (OnEnter) OnEnter(this);
    }

    void focusOutEvent(QFocusEvent* e) override
    {
        TBase::focusOutEvent(e);
        FocusChanged(false);
        if (OnExit) OnExit(this);
    }

private:
    void Press(QMouseEvent* e, bool second)
    {
        e->accept();
        const QPoint p = ClientPos(e);
        if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), p.x(), p.y());
        MouseDown(e, second);
    }
};
