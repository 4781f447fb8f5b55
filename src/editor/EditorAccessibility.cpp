#include "editor/EditorAccessibility.h"

#include "editor/TextEditorEx.h"
#include "editor/TextEditorExAccessible.h"
#include "editor/input/InteractiveListMenu.h"
#include "editor/input/InteractiveListMenuAccessible.h"
#include "editor/ruler/RulerAccessible.h"
#include "platform/Accessibility.h"

namespace {
QAccessibleInterface* EditorFactory(const QString&, QObject* o)
{
    if (auto* e = qobject_cast<TTextEditorEx*>(o)) return new TTextEditorExAccessible(e);
    if (auto* l = qobject_cast<TInteractiveListMenu*>(o)) return new TInteractiveListMenuAccessible(l);
    if (auto* r = qobject_cast<TRulerBase*>(o)) return new TRulerAccessible(r);
    return nullptr;
}
} // namespace

void InstallEditorAccessibility() { Accessibility::InstallFactoryOnce(EditorFactory); }
