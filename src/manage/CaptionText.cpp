#include "manage/CaptionText.h"

#include "controls/PanelCaption.h"
#include "platform/Forms.h"

TPanelCaption* NewPanelCaption(QWidget* parent, const char* name, int left, int top, int width, int height,
                               const std::string& text)
{
    auto* c = new TPanelCaption(parent);
    c->setObjectName(name);
    Place(c, left, top, width, height);
    c->SetCaptionText(text);
    return c;
}

void SetPanelCaptionText(TPanelCaption* caption, const std::string& text) { caption->SetCaptionText(text); }
std::string PanelCaptionText(const TPanelCaption* caption) { return caption->CaptionText(); }
QWidget* PanelCaptionWidget(TPanelCaption* caption) { return caption; }
