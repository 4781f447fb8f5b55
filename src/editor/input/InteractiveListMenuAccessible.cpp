#include "editor/input/InteractiveListMenuAccessible.h"

#include "editor/input/InteractiveListMenu.h"
#include "editor/model/AccessibleOffsets.h"

#include <QPointer>

namespace {
// One row of the visible list. It stands for whatever item the row holds at the time, so
// the list's filter never leaves a stale one behind: a row past the end is no longer valid.
class TListItemAccessible : public QAccessibleInterface {
public:
    TListItemAccessible(TInteractiveListMenu* list, int row) : List(list), Row(row) {}

    bool isValid() const override { return List && Row < int(List->VisibleItems().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return ListInterface()->window(); }
    QAccessibleInterface* parent() const override { return ListInterface(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? AccessibleString(List->VisibleItems()[size_t(Row)]) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selected = Row == List->Selection();
        s.offscreen = !List->isVisible() || Row < List->TopIndex() || Row >= List->TopIndex() + List->RowCount();
        s.invisible = !List->isVisible();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid() || state().offscreen) return {};
        const int top = List->ListTop() + (Row - List->TopIndex()) * List->RowHeight();
        const QPoint at = List->Client()->mapToGlobal(QPoint(0, top));
        return {at, QSize(List->ClientWidth(), List->RowHeight())};
    }

private:
    QAccessibleInterface* ListInterface() const { return QAccessible::queryAccessibleInterface(List); }

    QPointer<TInteractiveListMenu> List;
    int Row;
};
} // namespace

TInteractiveListMenuAccessible::TInteractiveListMenuAccessible(TInteractiveListMenu* list)
    : QAccessibleWidget(list, QAccessible::List)
{
}

TInteractiveListMenuAccessible::~TInteractiveListMenuAccessible()
{
    for (QAccessible::Id id : Items) QAccessible::deleteAccessibleInterface(id);
}

TInteractiveListMenu* TInteractiveListMenuAccessible::List() const
{
    return static_cast<TInteractiveListMenu*>(widget());
}

QString TInteractiveListMenuAccessible::text(QAccessible::Text t) const
{
    // The filter typed so far is what a sighted user reads above the rows.
    if (t == QAccessible::Description && !List()->Filter().empty()) return "Filter: " + AccessibleString(List()->Filter());
    return QAccessibleWidget::text(t);
}

int TInteractiveListMenuAccessible::childCount() const { return int(List()->VisibleItems().size()); }

QAccessibleInterface* TInteractiveListMenuAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) return nullptr;
    while (int(Items.size()) <= index) {
        auto* item = new TListItemAccessible(List(), int(Items.size()));
        Items.push_back(QAccessible::registerAccessibleInterface(item));
    }
    return QAccessible::accessibleInterface(Items[size_t(index)]);
}

int TInteractiveListMenuAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (size_t i = 0; i < Items.size() && int(i) < childCount(); ++i)
        if (QAccessible::accessibleInterface(Items[i]) == child) return int(i);
    return -1;
}

QAccessibleInterface* TInteractiveListMenuAccessible::childAt(int x, int y) const
{
    const QPoint p = List()->Client()->mapFromGlobal(QPoint(x, y));
    const int row = List()->ItemAtY(p.y());
    if (!List()->Client()->rect().contains(p) || row < List()->TopIndex()) return nullptr;
    return child(row);
}

QAccessibleInterface* TInteractiveListMenuAccessible::focusChild() const { return child(List()->Selection()); }
