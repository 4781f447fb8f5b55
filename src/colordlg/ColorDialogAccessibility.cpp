#include "colordlg/ColorDialogAccessibility.h"

#include "colordlg/ColorPickerAccessible.h"
#include "colordlg/WebSafePalAccessible.h"
#include "platform/Accessibility.h"

namespace {
QAccessibleInterface* ColorDialogFactory(const QString&, QObject* o)
{
    if (auto* p = qobject_cast<TColorPicker*>(o)) return new TColorPickerAccessible(p);
    if (auto* w = qobject_cast<TWebSafePal*>(o)) return new TWebSafePalAccessible(w);
    return nullptr;
}
} // namespace

void InstallColorDialogAccessibility() { Accessibility::InstallFactoryOnce(ColorDialogFactory); }
