#pragma once
// The hue strip and the brightness field as screen readers see them. A picker whose marker is
// a column (the strip) is a slider whose value is that column, the number the dialog shows
// beside it. A picker whose marker is a point (the field) is a group of two sliders, its
// columns and its rows counted up from the bottom, again the numbers the dialog shows. Each
// slider runs over the points a press may pick (both far edges included), steps by one pixel,
// and a value set moves the marker there as a press at that point would.
#include "colordlg/ColorPicker.h"

#include <QAccessibleWidget>

class TColorPickerAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TColorPickerAccessible(TColorPicker* picker);
    ~TColorPickerAccessible() override;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // ---- QAccessibleValueInterface, while the picker is one slider ----
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TColorPicker* Picker() const { return static_cast<TColorPicker*>(widget()); }
    bool OneSlider() const { return Picker()->MapDimension() == md1D; }
    mutable QAccessible::Id Axes[2] = {0, 0};
};
