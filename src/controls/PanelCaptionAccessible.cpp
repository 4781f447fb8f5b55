#include "controls/PanelCaptionAccessible.h"

#include "platform/Utf8.h"

TPanelCaptionAccessible::TPanelCaptionAccessible(TPanelCaption* caption) : QAccessibleWidget(caption, QAccessible::Heading)
{
}

QString TPanelCaptionAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return QStringFromUtf8(static_cast<TPanelCaption*>(widget())->CaptionText());
    return QAccessibleWidget::text(t);
}
