#pragma once
// Telling screen readers what changed in a control. Each call does nothing unless assistive
// technology listens (QAccessible::isActive), so a control with nobody to tell never builds
// its accessible interface just to announce a change.
#include <QAccessible>

class QObject;

namespace Accessibility {
// Installs a library's interface factory the first time it is asked; later calls with the same
// factory do nothing. Each control calls it for its library on construction, so its interface
// is there before anybody can ask for one.
void InstallFactoryOnce(QAccessible::InterfaceFactory factory);

// Name, description, value, a state: any event with no data of its own.
void Notify(QObject* control, QAccessible::Event what);
void NotifyValue(QObject* control, const QVariant& value);
void NotifyState(QObject* control, QAccessible::State changed);
// The event of a virtual child (a list item, a table cell) of `control`.
void NotifyChild(QObject* control, int child, QAccessible::Event what);
void NotifyChildValue(QObject* control, int child, const QVariant& value);
} // namespace Accessibility
