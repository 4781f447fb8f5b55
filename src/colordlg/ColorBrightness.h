#pragma once
// The brightness/saturation field of OriginalColor (BrightnessField), with a marker at the
// current point. A property value v addresses pixel v, from 0 to width - 1 (height - 1).
// Every full render is computed into an off-screen image and shown in one copy, announced by
// OnBeginRender and OnDoneRender. A field below 2 x 1 pixels has nothing to show and is
// filled with the button face.
#include "colordlg/ColorPicker.h"

#include <QImage>

class TColorBrightness : public TColorPicker {
    Q_OBJECT
public:
    explicit TColorBrightness(QWidget* parent = nullptr);

    TColor OriginalColor() const { return FOriginalColor; }
    // Renders the field anew and reports the colour now under the unmoved marker.
    void SetOriginalColor(TColor c);
    // Skips the background fill before a render, which the field covers anyway.
    bool SpeedUpdate() const { return FSpeedUpdate; }
    void SetSpeedUpdate(bool on) { FSpeedUpdate = on; }

    TNotify OnBeginRender;
    TNotify OnDoneRender;

protected:
    void Render() override;
    bool AcceptsPropertyValue(int v, int extent) const override { return v >= 0 && v <= extent - 1; }
    int PixelOfPropertyValue(int v) const override { return v; }
    TPoint DragCorner() const override { return {width() - 2, height()}; }
    bool FocusOnPress() const override { return false; }

private:
    TColor FOriginalColor = RGB(255, 0, 0);
    bool FSpeedUpdate = true;
    QImage FBitmap;
};
