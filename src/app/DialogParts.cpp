#include "app/DialogParts.h"

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/Utf8.h"

#include <QPainter>

TShape::TShape(QWidget* parent, TColor brush, TColor pen) : QWidget(parent), FBrush(brush), FPen(pen) {}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ToQColor(ColorToRGB(FBrush)));
    if (width() < 1 || height() < 1) return;
    const QColor pen = ToQColor(ColorToRGB(FPen));
    p.fillRect(0, 0, width(), 1, pen);
    p.fillRect(0, height() - 1, width(), 1, pen);
    p.fillRect(0, 0, 1, height(), pen);
    p.fillRect(width() - 1, 0, 1, height(), pen);
}

QIcon ProgramIcon()
{
    // Built once: every dialog box shows it, and an icon built afresh for each one decodes the
    // pictures again and leaves their scaled copies in Qt's pixmap cache, so memory grew with
    // every box until the cache was full. Never destroyed, as it may outlive the application.
    static const QIcon* icon = [] {
        auto* built = new QIcon;
        for (int size : {16, 32, 48})
            built->addFile(QString(":/icons/lexidrill-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return *icon;
}

QLabel* MakeIconImage(QWidget* parent, const QString& name, int left, int top)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setAlignment(Qt::AlignCenter);
    image->setAttribute(Qt::WA_TranslucentBackground);
    image->setPixmap(ProgramIcon().pixmap(32, 32));
    Place(image, left, top, 32, 32);
    return image;
}

TDialogBox::TDialogBox(QWidget* owner, const QString& name) : TForm(owner)
{
    setObjectName(name);
    setWindowTitle("Lexidrill");
    setWindowIcon(ProgramIcon());
    SetFixedFrame(true);
}

void TDialogBox::MakeClient(int width, int height)
{
    Client = new QWidget(this);
    Place(Client, BorderWidth, BorderWidth, width, height);
    SetClientSize(width + 2 * BorderWidth, height + 2 * BorderWidth);
}

void TDialogBox::SetClientWidth(int width)
{
    Client->resize(width, Client->height());
    SetClientSize(width + 2 * BorderWidth, this->height());
}

void TDialogBox::MakeIconBand(QWidget* parent, QPoint square, const QRect& panel, const QString& iconName)
{
    Shape1 = new TShape(parent, clBtnFace, clHighlight);
    Shape1->setObjectName("Shape1");
    Place(Shape1, panel.x(), panel.y(), panel.width(), panel.height());
    Shape2 = new TShape(parent, clHighlight, clHighlight);
    Shape2->setObjectName("Shape2");
    Place(Shape2, square.x(), square.y(), 41, 41);
    Icon = MakeIconImage(parent, iconName, square.x() + 4, square.y() + 4);
}

QWidget* MakePanel(QWidget* parent, const QString& name, int left, int top, int width, int height, TAnchors anchors)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    Place(panel, left, top, width, height);
    if (anchors) SetAnchors(panel, anchors);
    return panel;
}

QLabel* MakeAutoLabel(QWidget* parent, const QString& name, int left, int top, const QString& text)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setMargin(0);
    label->setIndent(0);
    label->setText(text);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void SetLabelText(QLabel* label, const std::string& text)
{
    label->setText(QStringFromUtf8(text));
    label->adjustSize();
}
