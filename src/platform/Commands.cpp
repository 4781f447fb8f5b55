#include "platform/Commands.h"

#include "platform/Application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {
std::vector<QPointer<TActionList>>& Lists()
{
    static std::vector<QPointer<TActionList>> lists;
    return lists;
}

// The update handlers of the commands whose shortcut is `key`.
void UpdateCommandsOf(const QKeySequence& key)
{
    for (const auto& list : Lists())
        if (list)
            for (TAction* a : list->Actions())
                if (!a->shortcut().isEmpty() && a->shortcut() == key) a->Update();
}

// After input has been handled, the queue is drained and the zero timer fires: that is the
// moment the command states are brought up to date.
class IdleHook : public QObject {
public:
    IdleHook()
    {
        Timer.setSingleShot(true);
        Timer.setInterval(0);
        connect(&Timer, &QTimer::timeout, [] { IdleUpdates::RunNow(); });
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
        case QEvent::Show:
        case QEvent::Timer:
            if (!Timer.isActive() && o != &Timer) Timer.start();
            break;
        case QEvent::ShortcutOverride:
            // Sent before the shortcut map looks at the key, and it skips disabled commands.
            UpdateCommandsOf(QKeySequence(static_cast<QKeyEvent*>(e)->keyCombination()));
            break;
        default: break;
        }
        return false;
    }
    QTimer Timer;
};

void EnsureIdleHook() { ApplicationEventFilter<IdleHook>(); }
} // namespace

TAction::TAction(QObject* owner, const QString& caption, const QKeySequence& shortcut, const QString& hint)
    : QAction(caption, owner), FHint(hint)
{
    setShortcut(shortcut);
    setShortcutContext(Qt::WindowShortcut);
    setToolTip(HintWithShortcut());
    connect(this, &QAction::triggered, this, [this] {
        if (OnExecute) OnExecute();
    });
}

QString TAction::HintWithShortcut() const
{
    if (shortcut().isEmpty()) return FHint;
    return FHint + " (" + shortcut().toString(QKeySequence::NativeText) + ")";
}

void TAction::Update()
{
    if (OnUpdate) OnUpdate(*this);
}

bool TAction::Execute()
{
    Update();
    if (!isEnabled()) return false;
    trigger();
    return true;
}

TActionList::TActionList(QWidget* owner) : QObject(owner), Owner(owner)
{
    EnsureIdleHook();
    Lists().push_back(this);
}

TAction* TActionList::Add(const QString& caption, const QKeySequence& shortcut, const QString& hint)
{
    auto* a = new TAction(this, caption, shortcut, hint);
    Owner->addAction(a);
    Items.push_back(a);
    return a;
}

void TActionList::UpdateAll()
{
    for (TAction* a : Items) a->Update();
}

void BindButton(QAbstractButton* button, TAction* action)
{
    auto sync = [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
        button->setToolTip(action->HintWithShortcut());
    };
    sync();
    QObject::connect(action, &QAction::changed, button, sync);
    QObject::connect(button, &QAbstractButton::clicked, action, [action] { action->trigger(); });
}

namespace IdleUpdates {
void RunNow()
{
    auto& lists = Lists();
    lists.erase(std::remove_if(lists.begin(), lists.end(), [](const auto& p) { return p.isNull(); }), lists.end());
    for (const auto& list : lists)
        if (list) list->UpdateAll();
}
} // namespace IdleUpdates
