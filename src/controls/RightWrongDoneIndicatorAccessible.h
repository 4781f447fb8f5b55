#pragma once
// The right/wrong/done bar as screen readers see it: a progress bar whose value is the items
// done (right and wrong together) of the total, with the two counts in its description.
#include "controls/RightWrongDoneIndicator.h"

#include <QAccessibleWidget>

class TRightWrongDoneIndicatorAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TRightWrongDoneIndicatorAccessible(TRightWrongDoneIndicator* bar);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    // The bar shows what its owner counts; nobody else sets it.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TRightWrongDoneIndicator* Bar() const { return static_cast<TRightWrongDoneIndicator*>(widget()); }
};
