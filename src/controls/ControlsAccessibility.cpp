#include "controls/ControlsAccessibility.h"

#include "controls/FlatButtonAccessible.h"
#include "controls/PanelCaptionAccessible.h"
#include "controls/RightWrongDoneIndicatorAccessible.h"
#include "platform/Accessibility.h"

namespace {
QAccessibleInterface* ControlsFactory(const QString&, QObject* o)
{
    if (auto* b = qobject_cast<TFlatButton*>(o)) return new TFlatButtonAccessible(b);
    if (auto* i = qobject_cast<TRightWrongDoneIndicator*>(o)) return new TRightWrongDoneIndicatorAccessible(i);
    if (auto* p = qobject_cast<TPanelCaption*>(o)) return new TPanelCaptionAccessible(p);
    return nullptr;
}
} // namespace

void InstallControlsAccessibility() { Accessibility::InstallFactoryOnce(ControlsFactory); }
