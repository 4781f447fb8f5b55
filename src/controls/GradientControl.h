#pragma once
// A control that fills itself with a two-colour linear gradient, optionally outlines itself,
// and draws one line of text 12 pixels from its left edge, centred vertically.
#include "platform/CanvasControl.h"

#include <string>

enum TGradientDirection { gdHorizontal = 0, gdVertical = 1 };

class TGradientControl : public TCanvasControl {
    Q_OBJECT
public:
    explicit TGradientControl(QWidget* parent = nullptr);

    int BorderWidth() const { return FBorderWidth; }
    TColor BorderColor() const { return FBorderColor; }
    TColor Color1() const { return FColor1; }
    TColor Color2() const { return FColor2; }
    const std::string& Caption() const { return FCaption; }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    TColor FontColor() const { return FFontColor; }
    const std::string& FontName() const { return FFontName; }
    int FontSize() const { return FFontSize; }

    // Each setter repaints at once when the value changes. Color1 and Color2 are stored as
    // plain RGB: a system colour is resolved to its current value first.
    void SetBorderWidth(int width);
    void SetBorderColor(TColor c);
    void SetColor1(TColor c);
    void SetColor2(TColor c);
    void SetCaption(const std::string& text);
    void SetGradientDirection(TGradientDirection d);
    void SetFontColor(TColor c);
    void SetFontName(const std::string& name);
    void SetFontSize(int points);

protected:
    void Paint() override;

private:
    int FBorderWidth = 0;
    TColor FBorderColor = clBlack;
    TColor FColor1 = clBlack;
    TColor FColor2 = clWhite;
    std::string FCaption;
    TGradientDirection FGradientDirection = gdHorizontal;
    TColor FFontColor = clBlack;
    std::string FFontName;
    int FFontSize = 0;
};
