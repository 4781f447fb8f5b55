#include "controls/FlatButton.h"

#include "controls/ControlsAccessibility.h"
#include "platform/Accessibility.h"
#include "platform/Utf8.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
TFont FontOf(const QFont& f)
{
    TFont t;
    t.Name = f.family().toStdString();
    t.Height = f.pixelSize() > 0 ? f.pixelSize() : int(f.pointSizeF() * 96.0 / 72.0 + 0.5);
    t.Style = (f.bold() ? fsBold : 0u) | (f.italic() ? fsItalic : 0u) | (f.underline() ? fsUnderline : 0u) |
              (f.strikeOut() ? fsStrikeOut : 0u);
    return t;
}
} // namespace

TFlatButton::TFlatButton(QWidget* parent) : TInputControl<TCanvasControl>(parent)
{
    InstallControlsAccessibility();
    setFocusPolicy(Qt::NoFocus);
    SetParentColor(true);
    TakeParentFont();
}

void TFlatButton::SetCaption(const std::string& caption)
{
    if (caption == FCaption) return;
    FCaption = caption;
    setWindowTitle(QStringFromUtf8(caption));
    setAccessibleName(QStringFromUtf8(caption));
    Repaint();
}

void TFlatButton::SetDown(bool down)
{
    if (!AssignChanged(FDown, down)) return;
    Repaint();
    if (FToggle) {
        QAccessible::State changed;
        changed.checked = changed.pressed = true;
        Accessibility::NotifyState(this, changed);
    }
}

void TFlatButton::Click()
{
    if (OnClick) OnClick(this);
}

void TFlatButton::SetFont(const TFont& font)
{
    FParentFont = false;
    SetAndRepaint(FFont, font);
}

void TFlatButton::SetParentFont(bool on)
{
    FParentFont = on;
    if (on) TakeParentFont();
}

void TFlatButton::TakeParentFont()
{
    if (!FParentFont) return;
    SetAndRepaint(FFont, FontOf(parentWidget() ? parentWidget()->font() : font()));
}

void TFlatButton::SetTabStop(bool on)
{
    // The mouse focuses the button only through ClickFocus, so Qt's own click focus stays off.
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void TFlatButton::SetHint(const std::string& hint) { setToolTip(QStringFromUtf8(hint)); }

void TFlatButton::Paint()
{
    TCanvas& c = Canvas();
    const int w = width(), h = height();
    const bool focused = hasFocus();
    const TColor fill = FDown ? DownColor : focused ? FocusedColor : Color();
    // A system colour counts as its stored value, not resolved. A disabled button is greyed,
    // so a command that cannot run now does not look as if it could.
    const TColor contrast = isEnabled() ? ContrastTextColor(fill) : DisabledColor;

    c.Brush.Color = fill;
    c.Brush.Style = bsSolid;
    c.Pen.Color = contrast;
    c.Pen.Mode = pmCopy;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Rectangle(0, 0, w, h);

    c.Font = FFont;
    c.Font.Color = contrast;
    const int tw = c.TextWidth(FCaption), th = c.TextHeight(FCaption);
    c.TextOut(w / 2 - tw / 2, h / 2 - th / 2, FCaption);

    if (focused) c.DrawFocusRect(Rect(4, 4, w - 5, h - 5));
}

void TFlatButton::KeyDown(int key, Qt::KeyboardModifiers)
{
    // Every press counts, auto-repeats included.
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) Click();
}

void TFlatButton::TakeFocusOnClick()
{
    QWidget* form = window();
    if (FClickFocus && isVisible() && isEnabled() && form->isVisible() && form->isEnabled())
        setFocus(Qt::MouseFocusReason);
}

void TFlatButton::MouseDown(QMouseEvent* e, bool second)
{
    TakeFocusOnClick();
    // The second press of a double-click is a press like any other but starts no click, so a
    // quick double-click on a toggle toggles it once.
    if (e->button() == Qt::LeftButton) FClickPending = !second;
}

bool TFlatButton::MouseUp(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !FClickPending) return false;
    FClickPending = false;
    return true;
}

void TFlatButton::changeEvent(QEvent* e)
{
    TCanvasControl::changeEvent(e); // the parent's colour first
    if (e->type() == QEvent::ParentChange || e->type() == QEvent::FontChange) TakeParentFont();
    if (e->type() == QEvent::EnabledChange) Repaint();
}
