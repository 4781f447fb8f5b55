#pragma once
// A 23-pixel title bar: a panel filled by a black-to-grey vertical gradient with a black
// outline and the title in white Tahoma 10 pt.
#include "platform/Color.h"
#include "platform/ControlFrame.h"

#include <QWidget>
#include <string>

class TGradientControl;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanelCaption : public QWidget {
    Q_OBJECT
public:
    explicit TPanelCaption(QWidget* parent = nullptr);
    ~TPanelCaption() override;

    static constexpr int CaptionHeight = 23;

    const std::string& CaptionText() const { return FCaptionText; }
    void SetCaptionText(const std::string& text);

    TColor Color() const { return FColor; }
    TBevelCut BevelInner() const { return FBevelInner; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    // A panel with a bevel or border keeps it only until its next paint.
    void SetBevelInner(TBevelCut b) { FBevelInner = b; update(); }
    void SetBevelOuter(TBevelCut b) { FBevelOuter = b; update(); }
    void SetBorderStyle(TBorderStyle b) { FBorderStyle = b; update(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FlattenAfterPaint();

    std::string FCaptionText;
    TColor FColor = clBtnShadow;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvNone;
    TBorderStyle FBorderStyle = bsNone;
    TGradientControl* Gradient = nullptr;
};
