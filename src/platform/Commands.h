#pragma once
// Commands: a caption, a shortcut, a hint, a handler and an update handler that sets the
// enabled state. Update handlers run whenever the application has gone idle after handling
// input, and a bound button's tooltip shows the hint followed by the shortcut in parentheses.
// A key that is some command's shortcut first runs that command's update handler, so the
// shortcut decides on what the command can do now, not at the last idle time.
#include <QAction>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

class QAbstractButton;

class TAction : public QAction {
    Q_OBJECT
public:
    TAction(QObject* owner, const QString& caption, const QKeySequence& shortcut, const QString& hint);

    std::function<void()> OnExecute;
    std::function<void(TAction&)> OnUpdate;

    QString Hint() const { return FHint; }
    // The hint as shown: "hint (shortcut)" when there is a shortcut.
    QString HintWithShortcut() const;
    // Runs the update handler and then, when enabled, the command.
    bool Execute();
    void Update();

private:
    QString FHint;
};

// The commands of one window; update handlers run at idle time for every list.
class TActionList : public QObject {
    Q_OBJECT
public:
    explicit TActionList(QWidget* owner);
    TAction* Add(const QString& caption, const QKeySequence& shortcut, const QString& hint);
    void UpdateAll();
    const std::vector<TAction*>& Actions() const { return Items; }

private:
    std::vector<TAction*> Items;
    QWidget* Owner;
};

// Makes a button show and trigger a command: caption, enabled state, tooltip.
void BindButton(QAbstractButton* button, TAction* action);

namespace IdleUpdates {
// Runs every action list's update handlers now (tests; the idle hook calls it too).
void RunNow();
} // namespace IdleUpdates
