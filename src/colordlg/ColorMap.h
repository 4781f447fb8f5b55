#pragma once
// The hue strip: the colour wheel walked once from left to right (HueStrip), with a marker at
// the current point. A property value v addresses pixel v + 1. A press takes the keyboard
// focus, whatever the button.
#include "colordlg/ColorPicker.h"

class TColorMap : public TColorPicker {
    Q_OBJECT
public:
    explicit TColorMap(QWidget* parent = nullptr);

protected:
    void Render() override;
    bool AcceptsPropertyValue(int v, int extent) const override { return v + 1 >= 0 && v + 1 <= extent; }
    int PixelOfPropertyValue(int v) const override { return v + 1; }
    TPoint DragCorner() const override { return {width() - 1, height()}; }
    bool FocusOnPress() const override { return true; }
};
