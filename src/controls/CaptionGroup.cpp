#include "controls/CaptionGroup.h"

#include "platform/Utf8.h"

TCaptionGroup::TCaptionGroup(QWidget* parent) : QGroupBox(parent)
{
    setTitle(QString());
    setFocusPolicy(Qt::NoFocus);
    Caption = new TPanelCaption(this);
    LayoutCaption();
    FBevelInner = bvRaised;
    FBevelOuter = bvLowered;
}

TCaptionGroup::~TCaptionGroup()
{
    delete Caption;
}

void TCaptionGroup::SetCaptionText(const std::string& text)
{
    FCaptionText = text;
    // The group's own title stays empty; screen readers take the caption's text for it.
    setAccessibleName(QStringFromUtf8(text));
    LayoutCaption();
}

void TCaptionGroup::LayoutCaption()
{
    if (!title().isEmpty()) setTitle(QString());
    const QRect want(0, 0, width(), Caption->height());
    if (Caption->geometry() != want) Caption->setGeometry(want);
    Caption->SetCaptionText(FCaptionText);
}

void TCaptionGroup::paintEvent(QPaintEvent* e)
{
    QGroupBox::paintEvent(e);
    LayoutCaption();
}

void TCaptionGroup::resizeEvent(QResizeEvent* e)
{
    QGroupBox::resizeEvent(e);
    LayoutCaption();
}
