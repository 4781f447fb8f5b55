#include "controls/RightWrongDoneIndicatorAccessible.h"

#include <algorithm>

TRightWrongDoneIndicatorAccessible::TRightWrongDoneIndicatorAccessible(TRightWrongDoneIndicator* bar)
    : QAccessibleWidget(bar, QAccessible::ProgressBar)
{
}

QString TRightWrongDoneIndicatorAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && Bar()->accessibleDescription().isEmpty())
        return QStringLiteral("%1 right, %2 wrong").arg(Bar()->NumRight()).arg(Bar()->NumWrong());
    if (t == QAccessible::Value) return QStringLiteral("%1 of %2").arg(currentValue().toLongLong()).arg(Bar()->NumTotal());
    return QAccessibleWidget::text(t);
}

void* TRightWrongDoneIndicatorAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QVariant TRightWrongDoneIndicatorAccessible::currentValue() const
{
    // In 64 bits: the two counts are not limited, so their sum may not fit 32.
    return qlonglong(Bar()->NumRight()) + Bar()->NumWrong();
}

QVariant TRightWrongDoneIndicatorAccessible::maximumValue() const { return std::max(Bar()->NumTotal(), 0); }
