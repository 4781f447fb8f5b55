#include "colordlg/ColorPickerAccessible.h"

#include <QPointer>

namespace {
// The value of a picker along one axis: 0 its columns, 1 its rows from the bottom.
int AxisValue(const TColorPicker* p, int axis)
{
    return axis == 0 ? p->CurrentPoint().X : p->height() - p->CurrentPoint().Y;
}
int AxisMaximum(const TColorPicker* p, int axis) { return axis == 0 ? p->width() : p->height(); }
void SetAxisValue(TColorPicker* p, int axis, const QVariant& value)
{
    const int v = std::clamp(value.toInt(), 0, AxisMaximum(p, axis));
    const TPoint at = p->CurrentPoint();
    p->PickPoint(axis == 0 ? TPoint{v, at.Y} : TPoint{at.X, p->height() - v});
}

// One axis of a two-dimensional picker, a slider of its own.
class TPickerAxisAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    TPickerAxisAccessible(TColorPicker* picker, int axis) : Picker(picker), Axis(axis) {}

    bool isValid() const override { return Picker && Picker->MapDimension() == md2D; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent()->window(); }
    QAccessibleInterface* parent() const override { return Parent(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return Picker->AxisName(Axis);
        if (t == QAccessible::Value) return QString::number(AxisValue(Picker, Axis));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Slider; }
    QAccessible::State state() const override
    {
        QAccessible::State s = Parent()->state();
        s.focusable = s.focused = false;
        return s;
    }
    QRect rect() const override { return Parent()->rect(); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    }

    QVariant currentValue() const override { return isValid() ? AxisValue(Picker, Axis) : 0; }
    void setCurrentValue(const QVariant& value) override
    {
        if (isValid() && Picker->isEnabled()) SetAxisValue(Picker, Axis, value);
    }
    QVariant maximumValue() const override { return isValid() ? AxisMaximum(Picker, Axis) : 0; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    QAccessibleInterface* Parent() const { return QAccessible::queryAccessibleInterface(Picker.data()); }

    QPointer<TColorPicker> Picker;
    int Axis;
};
} // namespace

TColorPickerAccessible::TColorPickerAccessible(TColorPicker* picker) : QAccessibleWidget(picker) {}

TColorPickerAccessible::~TColorPickerAccessible()
{
    for (QAccessible::Id id : Axes)
        if (id) QAccessible::deleteAccessibleInterface(id);
}

QAccessible::Role TColorPickerAccessible::role() const { return OneSlider() ? QAccessible::Slider : QAccessible::Grouping; }

QString TColorPickerAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && OneSlider()) return Picker()->AxisName(0);
    if (t == QAccessible::Value && OneSlider()) return QString::number(AxisValue(Picker(), 0));
    return QAccessibleWidget::text(t);
}

void* TColorPickerAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface && OneSlider()) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

int TColorPickerAccessible::childCount() const { return OneSlider() ? 0 : 2; }

QAccessibleInterface* TColorPickerAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) return nullptr;
    if (!Axes[index])
        Axes[index] = QAccessible::registerAccessibleInterface(new TPickerAxisAccessible(Picker(), index));
    return QAccessible::accessibleInterface(Axes[index]);
}

int TColorPickerAccessible::indexOfChild(const QAccessibleInterface* c) const
{
    for (int i = 0; i < childCount(); ++i)
        if (Axes[i] && QAccessible::accessibleInterface(Axes[i]) == c) return i;
    return -1;
}

QVariant TColorPickerAccessible::currentValue() const { return AxisValue(Picker(), 0); }

void TColorPickerAccessible::setCurrentValue(const QVariant& value)
{
    if (Picker()->isEnabled()) SetAxisValue(Picker(), 0, value);
}

QVariant TColorPickerAccessible::maximumValue() const { return AxisMaximum(Picker(), 0); }
