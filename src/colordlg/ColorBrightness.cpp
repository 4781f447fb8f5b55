#include "colordlg/ColorBrightness.h"

#include "colordlg/ColorModel.h"

TColorBrightness::TColorBrightness(QWidget* parent) : TColorPicker(parent, md1D)
{
    resize(257, 201);
    setFocusPolicy(Qt::NoFocus);
}

void TColorBrightness::SetOriginalColor(TColor c)
{
    FOriginalColor = c;
    RenderAndReport();
}

void TColorBrightness::Render()
{
    TCanvas& c = Canvas();
    const bool field = HasBrightnessField(width(), height());
    if (!FSpeedUpdate || !field) {
        c.Brush.Color = clBtnFace;
        c.Brush.Style = bsSolid;
        // The whole surface: a control of no height still keeps a row of pixels, and what it
        // reports must be the button face, not a picture of an earlier size.
        c.FillRect({0, 0, c.Width(), c.Height()});
    }
    if (OnBeginRender) OnBeginRender(this);
    if (field) {
        if (FBitmap.size() != size()) FBitmap = QImage(size(), QImage::Format_RGB32);
        BrightnessFieldRGB32(ColorToRGB(FOriginalColor), width(), height(), reinterpret_cast<uint32_t*>(FBitmap.bits()),
                             FBitmap.bytesPerLine() / 4);
        // One copy, so the field is never seen half drawn.
        TCanvas bitmap(&FBitmap);
        c.CopyRect(ClientRect(), bitmap, ClientRect());
    }
    if (OnDoneRender) OnDoneRender(this);
}
