#pragma once
// A flat button as screen readers see it: a push button named by its caption, with a Press
// action that clicks it; a toggle is also checked and pressed while it is down.
#include "controls/FlatButton.h"

#include <QAccessibleWidget>

class TFlatButtonAccessible : public QAccessibleWidget {
public:
    explicit TFlatButtonAccessible(TFlatButton* button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    TFlatButton* Button() const { return static_cast<TFlatButton*>(widget()); }
};
