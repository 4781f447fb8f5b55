#include "platform/Accessibility.h"

#include <QAccessibleEvent>

#include <algorithm>
#include <vector>

namespace Accessibility {

void InstallFactoryOnce(QAccessible::InterfaceFactory factory)
{
    static std::vector<QAccessible::InterfaceFactory> installed;
    if (std::find(installed.begin(), installed.end(), factory) != installed.end()) return;
    installed.push_back(factory);
    QAccessible::installFactory(factory);
}

void Notify(QObject* control, QAccessible::Event what)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent e(control, what);
    QAccessible::updateAccessibility(&e);
}

void NotifyValue(QObject* control, const QVariant& value)
{
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent e(control, value);
    QAccessible::updateAccessibility(&e);
}

void NotifyState(QObject* control, QAccessible::State changed)
{
    if (!QAccessible::isActive()) return;
    QAccessibleStateChangeEvent e(control, changed);
    QAccessible::updateAccessibility(&e);
}

void NotifyChild(QObject* control, int child, QAccessible::Event what)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent e(control, what);
    e.setChild(child);
    QAccessible::updateAccessibility(&e);
}

void NotifyChildValue(QObject* control, int child, const QVariant& value)
{
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent e(control, value);
    e.setChild(child);
    QAccessible::updateAccessibility(&e);
}

} // namespace Accessibility
