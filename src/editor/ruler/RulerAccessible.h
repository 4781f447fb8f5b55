#pragma once
// The line-number ruler as screen readers see it: a label, "Line numbers". The numbers are the
// editor's lines, which its text interface tells already.
#include "editor/ruler/RulerLink.h"

#include <QAccessibleWidget>

class TRulerAccessible : public QAccessibleWidget {
public:
    explicit TRulerAccessible(TRulerBase* ruler) : QAccessibleWidget(ruler, QAccessible::StaticText, "Line numbers") {}
};
