#pragma once
// A flat push button: a filled rectangle with a one-pixel outline and a centred caption. The
// fill follows three looks (normal, focused, down); outline and caption are black or white,
// whichever stands out against the fill, or grey while the button is disabled. Down is the
// owner's to set, so the button also serves as a toggle. Space and Enter click it on every
// press, auto-repeats included, and keys travel on to the parent as usual.
#include "platform/CanvasControl.h"
#include "platform/InputControl.h"

#include <string>

class TFlatButton : public TInputControl<TCanvasControl> {
    Q_OBJECT
public:
    // The fills of the down and focused looks.
    static constexpr TColor DownColor = 0x89D3FF;
    static constexpr TColor FocusedColor = 0x666666;
    // Outline and caption of a disabled button.
    static constexpr TColor DisabledColor = 0x808080;

    explicit TFlatButton(QWidget* parent = nullptr);

    // UTF-8 text, in any script; also kept as the control's window text.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);

    bool ClickFocus() const { return FClickFocus; }
    void SetClickFocus(bool on) { FClickFocus = on; }

    bool Down() const { return FDown; }
    void SetDown(bool down);
    // A button whose Down the owner keeps as an on/off setting ("Continue on Error"): screen
    // readers hear it as pressed or not.
    bool IsToggle() const { return FToggle; }
    void SetToggle(bool on) { FToggle = on; }

    // What a click does: OnClick, if assigned, with the button as sender.
    void Click();

    // The fill of the normal look is Color(): the parent's colour until one is assigned.

    // Face, size and style of the caption; its colour is replaced by the contrast colour.
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool on);

    // In the Tab order, or focused only by a click with ClickFocus.
    bool TabStop() const { return focusPolicy() == Qt::TabFocus; }
    void SetTabStop(bool on);

    void SetHint(const std::string& hint);

protected:
    void Paint() override;
    void changeEvent(QEvent* e) override;

    // TInputControl: a left press and release over the button clicks, and so do Space and
    // Enter; the focus look follows the focus.
    void KeyDown(int key, Qt::KeyboardModifiers shift) override;
    void MouseDown(QMouseEvent* e, bool second) override;
    bool MouseUp(QMouseEvent* e) override;
    void FocusChanged(bool) override { Repaint(); }

private:
    void TakeFocusOnClick();
    void TakeParentFont();

    std::string FCaption;
    bool FClickFocus = false;
    bool FDown = false;
    bool FToggle = false;
    bool FParentFont = true;
    bool FClickPending = false;
    TFont FFont;
};
