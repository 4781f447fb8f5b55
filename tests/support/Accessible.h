#pragma once
// What a screen reader learns of the program, in process: the facts of a control's accessible
// interface (role, name, value, description, states) and whether the control is reachable from
// its window through the tree; and every accessibility event sent while an AccessibleEventLog
// lives, as the words a screen reader would get (accessibility counts as active meanwhile).
#include <QAccessible>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

struct AccessibleFacts {
    QAccessible::Role Role = QAccessible::NoRole;
    QString Name;
    // The value interface's current value as a number, else the text value.
    QString Value;
    QString Description;
    QAccessible::State State;
};
AccessibleFacts FactsOf(QAccessibleInterface* iface);
AccessibleFacts FactsOf(QObject* control);
// Whether walking the tree down from `window` reaches `control`'s interface.
bool ReachableFrom(QWidget* window, QObject* control);
// The interface named `name` below `root` (depth first), or nullptr.
QAccessibleInterface* FindByName(QAccessibleInterface* root, const QString& name);

class AccessibleEventLog {
public:
    AccessibleEventLog();
    ~AccessibleEventLog();
    // The events of `control` (its virtual children's too) in order: "name <text>",
    // "description <text>", "value <number>", "insert <position> <text>", "remove <position>
    // <text>", "caret <offset>", "selection", "state", "focus" and the like.
    std::vector<std::string> Of(QObject* control) const;
    void Clear() { Events.clear(); }

private:
    struct Event {
        QObject* Object;
        std::string Text;
    };
    static void Record(QAccessibleEvent* e);
    std::vector<Event> Events;
    QAccessible::UpdateHandler Previous;
};
