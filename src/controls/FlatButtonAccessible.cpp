#include "controls/FlatButtonAccessible.h"

TFlatButtonAccessible::TFlatButtonAccessible(TFlatButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

QAccessible::State TFlatButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (Button()->IsToggle()) {
        s.checkable = true;
        s.checked = s.pressed = Button()->Down();
    }
    return s;
}

QStringList TFlatButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (Button()->isEnabled()) names.prepend(pressAction());
    return names;
}

void TFlatButtonAccessible::doAction(const QString& action)
{
    // A disabled button takes no click, from the mouse or from anywhere else.
    if (action == pressAction()) {
        if (Button()->isEnabled()) Button()->Click();
        return;
    }
    QAccessibleWidget::doAction(action);
}

QStringList TFlatButtonAccessible::keyBindingsForAction(const QString& action) const
{
    if (action == pressAction() && Button()->focusPolicy() != Qt::NoFocus) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(action);
}
