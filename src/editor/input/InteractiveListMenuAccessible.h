#pragma once
// The completion list as screen readers see it: a list whose children are the items it shows
// now (the filter applied), each named by its text, the highlighted one selected. The rows are
// drawn, so the items are interfaces of their own, made when first asked for and kept by Qt's
// accessibility cache until the list goes.
#include <QAccessibleWidget>

#include <vector>

class TInteractiveListMenu;

class TInteractiveListMenuAccessible : public QAccessibleWidget {
public:
    explicit TInteractiveListMenuAccessible(TInteractiveListMenu* list);
    ~TInteractiveListMenuAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    TInteractiveListMenu* List() const;

private:
    mutable std::vector<QAccessible::Id> Items; // by row of the visible list
};
