#pragma once
// A group box whose own caption stays empty; a gradient title bar across its top edge
// carries the title instead.
#include "controls/PanelCaption.h"

#include <QGroupBox>
#include <string>

class TCaptionGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TCaptionGroup(QWidget* parent = nullptr);
    ~TCaptionGroup() override;

    const std::string& CaptionText() const { return FCaptionText; }
    void SetCaptionText(const std::string& text);

    TBevelCut BevelInner() const { return FBevelInner; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelInner(TBevelCut b) { FBevelInner = b; }
    void SetBevelOuter(TBevelCut b) { FBevelOuter = b; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void LayoutCaption();

    std::string FCaptionText;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvNone;
    TPanelCaption* Caption = nullptr;
};
