#pragma once
// The colour dialog window: one current colour, reached through the hue strip and the
// brightness field, the web-safe palette, the saved custom colours, the red, green and blue
// sliders and fields, the "#RRGGBB" code field and the platform's colour dialog. Every view
// follows the current colour through UpdateAll. The custom colours are read from their file
// when the window is built and written back when it closes.
#include "colordlg/ColorBrightness.h"
#include "colordlg/ColorMap.h"
#include "colordlg/IntegerEdit.h"
#include "colordlg/WebSafePal.h"
#include "platform/Forms.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <functional>
#include <optional>
#include <string>

class QGroupBox;

// The swatch that shows, and holds, the current colour.
class TColorSwatch : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    TColor Color() const { return FColor; }
    void SetColor(TColor c);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TColor FColor = clWhite;
};

// The code field: selects its whole text whenever it is entered from the keyboard or by
// the program, so a code can be typed over at once.
class THexEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* e) override;
};

class Thexcolor : public TForm {
    Q_OBJECT
public:
    // Builds the window and reads the custom colours (FormCreate) from `customColorsPath`.
    explicit Thexcolor(QWidget* owner, std::string customColorsPath);
    ~Thexcolor() override;

    TColor CurrentColor() const { return realcolor->Color(); }
    // Sets the current colour and brings the views into step unless they are being updated.
    void SetCurrentColor(TColor c);
    bool Updating() const { return FUpdating; }

    // Handlers, as bound to the controls.
    void btnCopyClick();
    void btnMoreClick();
    void btnCloseClick();
    void RgbScrollChange();
    void RgbValueChange();
    void AssignFromHex();
    void vhexEnter();
    void FormActivate() override;
    void ColorMapPointChange(QObject* sender, TPoint point, TColor color);
    void colorBrightnessPointChange(QObject* sender, TPoint point, TColor color);
    void ColorBrightnessBeginRender(QObject* sender);
    void ColorBrightnessDoneRender(QObject* sender);
    void SetColorWavelength(int tag);
    void setBrightness(int tag);
    void SetBrightness200();
    void setGrayness(int tag);
    void SetGrayness0();
    void WebSafePal1PicColor(QObject* sender, TColor color);
    void WebSafePal1MouseOverColor(QObject* sender, TColor color);
    void ColWebMouseMove();
    void InvRC();
    void MakeWebSafe();
    void ProgramCart();
    void AddCustomColor();
    void DelCustomColor();
    void CustomColorsChange();
    void FormCreate();
    void FormClose();
    void UpdateAll();

    // The platform's colour dialog as btnMoreClick runs it: from the current colour, the
    // chosen colour or nothing. Tests put their own picker here.
    std::function<std::optional<TColor>(QWidget* owner, TColor initial)> PickStandardColor;

    // Controls, named as the window's layout names them.
    QPushButton* btnInsert;
    QPushButton* btnCopy;
    QPushButton* btnMore;
    QPushButton* btnClose;
    TColorSwatch* realcolor;
    QFrame* Bevel1;
    THexEdit* vhex;
    QTabWidget* PageControl1;
    QWidget* ColMap;
    QWidget* ColWeb;
    QWidget* ColOwn;
    QLabel* Label8;
    QLabel* WavelengthLabel;
    TColorMap* ColorMap;
    QLabel* Label4;
    QLabel* OriginalColorLabel;
    QLabel* Label9;
    QLabel* BrightnessLabel;
    QLabel* Label12;
    QLabel* GraynessLabel;
    QLabel* lblIsRendering;
    TColorBrightness* ColorBrightness;
    QLabel* CurrentHover;
    TWebSafePal* WebSafePal1;
    QListWidget* CustomColors;
    QGroupBox* cst2;
    QPushButton* SaveCustom;
    QPushButton* DelCustom;
    QFrame* TabControl1;
    QGroupBox* Panel2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QSlider* sRed;
    QSlider* sGreen;
    QSlider* sBlue;
    TIntegerEdit* vred;
    TIntegerEdit* vgreen;
    TIntegerEdit* vblue;
    QMenu* ColorMapPopup;
    QMenu* ColorBrightnessPopup;
    QMenu* RCPopup;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildButtons();
    void BuildColourMapPage();
    void BuildWebPage();
    void BuildCustomPage();
    void BuildRgbGroup();
    void BuildColorMapPopup();
    void BuildColorBrightnessPopup();
    void BuildRcPopup();
    void SetSelectedCustom(int row);
    void SaveCustomColorsNow();

    std::string FCustomColorsPath;
    bool FUpdating = false;
    bool FSelectingInCode = false;
    bool FHiddenForPicker = false;
};

// The colour of every hue entry of the strip's menu, as a 16 x 16 image: a 14 x 14 square
// inside a one-pixel black border.
QImage SatImage(TColor color);
