#pragma once
// A caption panel as screen readers see it: a heading with the title's text. The gradient
// that draws the title is its picture, not a control of its own, so the heading has no
// children.
#include "controls/PanelCaption.h"

#include <QAccessibleWidget>

class TPanelCaptionAccessible : public QAccessibleWidget {
public:
    explicit TPanelCaptionAccessible(TPanelCaption* caption);

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};
