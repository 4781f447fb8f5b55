#include "Accessible.h"

#include <QAccessibleEvent>
// Qt tells of changes only while a platform bridge is active, and the offscreen platform has no
// bridge of its own: its inactive stand-in is switched on, as a screen reader would switch on
// the real one.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {
AccessibleEventLog* Current = nullptr;

void SetBridgeActive(bool on)
{
    if (QPlatformAccessibility* a = QGuiApplicationPrivate::platformIntegration()->accessibility()) a->setActive(on);
}
} // namespace

AccessibleFacts FactsOf(QAccessibleInterface* iface)
{
    AccessibleFacts f;
    if (!iface) return f;
    f.Role = iface->role();
    f.Name = iface->text(QAccessible::Name);
    f.Description = iface->text(QAccessible::Description);
    f.State = iface->state();
    if (QAccessibleValueInterface* v = iface->valueInterface())
        f.Value = v->currentValue().toString();
    else
        f.Value = iface->text(QAccessible::Value);
    return f;
}

AccessibleFacts FactsOf(QObject* control) { return FactsOf(QAccessible::queryAccessibleInterface(control)); }

namespace {
bool Reaches(QAccessibleInterface* from, QAccessibleInterface* target, int depth)
{
    if (from == target) return true;
    if (depth > 30) return false;
    for (int i = 0; i < from->childCount(); ++i)
        if (QAccessibleInterface* c = from->child(i); c && Reaches(c, target, depth + 1)) return true;
    return false;
}
} // namespace

bool ReachableFrom(QWidget* window, QObject* control)
{
    return Reaches(QAccessible::queryAccessibleInterface(window), QAccessible::queryAccessibleInterface(control), 0);
}

QAccessibleInterface* FindByName(QAccessibleInterface* root, const QString& name)
{
    if (!root) return nullptr;
    if (root->text(QAccessible::Name) == name) return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* hit = FindByName(root->child(i), name)) return hit;
    return nullptr;
}

AccessibleEventLog::AccessibleEventLog()
{
    Current = this;
    Previous = QAccessible::installUpdateHandler(&AccessibleEventLog::Record);
    SetBridgeActive(true);
}

AccessibleEventLog::~AccessibleEventLog()
{
    SetBridgeActive(false);
    QAccessible::installUpdateHandler(Previous);
    Current = nullptr;
}

void AccessibleEventLog::Record(QAccessibleEvent* e)
{
    QAccessibleInterface* iface = e->accessibleInterface();
    auto text = [&](QAccessible::Text t) { return iface ? iface->text(t).toStdString() : std::string(); };
    std::string what;
    switch (e->type()) {
    case QAccessible::NameChanged: what = "name " + text(QAccessible::Name); break;
    case QAccessible::DescriptionChanged: what = "description " + text(QAccessible::Description); break;
    case QAccessible::ValueChanged:
        what = "value " + static_cast<QAccessibleValueChangeEvent*>(e)->value().toString().toStdString();
        break;
    case QAccessible::TextInserted: {
        auto* t = static_cast<QAccessibleTextInsertEvent*>(e);
        what = "insert " + std::to_string(t->changePosition()) + " " + t->textInserted().toStdString();
        break;
    }
    case QAccessible::TextRemoved: {
        auto* t = static_cast<QAccessibleTextRemoveEvent*>(e);
        what = "remove " + std::to_string(t->changePosition()) + " " + t->textRemoved().toStdString();
        break;
    }
    case QAccessible::TextCaretMoved:
        what = "caret " + std::to_string(static_cast<QAccessibleTextCursorEvent*>(e)->cursorPosition());
        break;
    case QAccessible::TextSelectionChanged: {
        auto* t = static_cast<QAccessibleTextSelectionEvent*>(e);
        what = "selection " + std::to_string(t->selectionStart()) + " " + std::to_string(t->selectionEnd());
        break;
    }
    case QAccessible::StateChanged: what = "state"; break;
    case QAccessible::Selection: what = "selected " + text(QAccessible::Name); break;
    case QAccessible::Focus: what = "focus"; break;
    default: return;
    }
    if (Current) Current->Events.push_back({e->object(), what});
}

std::vector<std::string> AccessibleEventLog::Of(QObject* control) const
{
    std::vector<std::string> out;
    for (const Event& e : Events)
        if (e.Object == control) out.push_back(e.Text);
    return out;
}
