#include "controls/PanelCaption.h"

#include "controls/ControlsAccessibility.h"
#include "controls/GradientControl.h"
#include "platform/Accessibility.h"

#include <QEvent>
#include <QPainter>

TPanelCaption::TPanelCaption(QWidget* parent) : QWidget(parent)
{
    InstallControlsAccessibility();
    resize(width(), CaptionHeight);
    QFont f("Tahoma");
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);

    Gradient = new TGradientControl(this);
    Gradient->SetColor1(clBlack);
    Gradient->SetColor2(0x444444);
    Gradient->SetFontName("Tahoma");
    Gradient->SetFontSize(10);
    Gradient->SetFontColor(clWhite);
    Gradient->SetBorderWidth(1);
    Gradient->SetBorderColor(Gradient->Color1());
    Gradient->SetGradientDirection(gdVertical);
    Gradient->setGeometry(rect());
    Gradient->SetCaption(FCaptionText);
    // The gradient covers the panel, so the panel itself is rarely painted: its paints count.
    Gradient->installEventFilter(this);
}

TPanelCaption::~TPanelCaption()
{
    delete Gradient;
}

void TPanelCaption::SetCaptionText(const std::string& text)
{
    if (text == FCaptionText) return;
    FCaptionText = text;
    Gradient->SetCaption(text);
    Accessibility::Notify(this, QAccessible::NameChanged);
}

void TPanelCaption::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // The gradient fills the panel; painting it anew at the new size.
    Gradient->setGeometry(rect());
    Gradient->Repaint();
}

void TPanelCaption::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ToQColor(ColorToRGB(FColor)));
    FlattenAfterPaint();
}

bool TPanelCaption::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Gradient && e->type() == QEvent::Paint) FlattenAfterPaint();
    return QWidget::eventFilter(watched, e);
}

void TPanelCaption::FlattenAfterPaint()
{
    // The caption is meant flat: bevels and borders never outlive a paint.
    FBevelInner = bvNone;
    FBevelOuter = bvNone;
    FBorderStyle = bsNone;
}
