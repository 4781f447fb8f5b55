#pragma once
// A flat push button: a filled rectangle with a one-pixel outline and a centred caption. The
// fill follows three looks (normal, focused, down); outline and caption are black or white,
// whichever stands out against the fill. Down is the owner's to set, so the button also
// serves as a toggle.
#include "platform/CanvasControl.h"

#include <functional>
#include <string>

class QKeyEvent;
class QMouseEvent;

class TFlatButton : public TCanvasControl {
    Q_OBJECT
public:
    using TNotify = std::function<void(QObject* sender)>;
    using TKeyHandler = std::function<void(QObject* sender, QKeyEvent* key)>;
    using TMouseHandler = std::function<void(QObject* sender, QMouseEvent* mouse)>;

    // The fills of the down and focused looks.
    static constexpr TColor DownColor = 0x89D3FF;
    static constexpr TColor FocusedColor = 0x666666;

    explicit TFlatButton(QWidget* parent = nullptr);

    // Windows-1252 text; also kept as the control's window text.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);

    bool ClickFocus() const { return FClickFocus; }
    void SetClickFocus(bool on) { FClickFocus = on; }

    bool Down() const { return FDown; }
    void SetDown(bool down);

    // The fill of the normal look is Color(): the parent's colour until one is assigned.

    // Face, size and style of the caption; its colour is replaced by the contrast colour.
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool on);

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool on);

    void SetHint(const std::string& hint);

    TNotify OnClick;
    TMouseHandler OnMouseDown;
    TMouseHandler OnMouseUp;
    TKeyHandler OnKeyDown;
    TKeyHandler OnKeyUp;
    TKeyHandler OnKeyPress;
    TNotify OnEnter;
    TNotify OnExit;

protected:
    void Paint() override;

    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void MouseDownHandling(QMouseEvent* e);
    void TakeFocusOnClick();
    void TakeParentFont();

    std::string FCaption;
    bool FClickFocus = false;
    bool FDown = false;
    bool FParentFont = true;
    bool FTabStop = false;
    bool FClickPending = false;
    TFont FFont;
};
