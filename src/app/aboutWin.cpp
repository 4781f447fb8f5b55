#include "app/aboutWin.h"

#include "app/DialogParts.h"
#include "app/TranslationInfoButton.h"
#include "platform/Application.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
void FillWith(QWidget* w, TColor color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(ColorToRGB(color)));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
} // namespace

Tabout::Tabout(QWidget* owner) : TForm(owner)
{
    setObjectName("about");
    setWindowTitle("Lexidrill");
    setWindowIcon(ProgramIcon());

    Panel1 = MakePanel(this, "Panel1", 0, 0, 373, 261);
    FillWith(Panel1, clWhite);
    Panel2 = MakePanel(Panel1, "Panel2", 0, 0, 73, 261);
    FillWith(Panel2, clHighlight);
    Shape1 = new TShape(Panel1, clWhite, clWhite);
    Shape1->setObjectName("Shape1");
    Place(Shape1, 73, 0, 300, 261);
    logo = MakeIconImage(Panel1, "logo", 20, 8);

    Label1 = new QLabel(Panel1);
    QFont title("Verdana");
    title.setPixelSize(16);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText("Lexidrill");
    Label1->move(88, 8);
    Label1->adjustSize();
    Label2 = MakeAutoLabel(Panel1, "Label2", 88, 33, "Learning pairs of items by rote, one question at a time.");

    Label5 = new QLabel("Version:", Panel1);
    Label5->setObjectName("Label5");
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label5->setGeometry(80, 77, 94, Label5->sizeHint().height());
    ver = MakeAutoLabel(Panel1, "ver", 184, 77, "Unknown");

    copyinfo = new QPlainTextEdit(Panel1);
    copyinfo->setObjectName("copyinfo");
    copyinfo->setReadOnly(true);
    copyinfo->setFocusPolicy(Qt::NoFocus);
    copyinfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    copyinfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    copyinfo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette pal = copyinfo->palette();
    pal.setColor(QPalette::Base, Qt::white);
    copyinfo->setPalette(pal);
    copyinfo->setPlainText(
        "Lexidrill may be used, copied and given away freely, unchanged and free of charge. "
        "It comes without warranty of any kind. News and new versions are published at "
        "https://www.example.org/lexidrill/; questions and suggestions are welcome at "
        "lexidrill@example.org.");
    Place(copyinfo, 88, 152, 273, 59);

    // Straight on the window, so the note it shows carries the window's caption.
    TranslationInfoButton1 = new TTranslationInfoButton(this);
    TranslationInfoButton1->setObjectName("TranslationInfoButton1");
    Place(TranslationInfoButton1, 88, 224, 100, 25);

    ok = MakeButton(this, "ok", "OK", 288, 225, 73, 25);
    SetCloseButton(ok, mrCancel);

    setTabOrder(TranslationInfoButton1->Button(), ok);

    SetFixedFrame(true);
    SetClientSize(373, 261);
    CenterOnScreen();

    // FormCreate: the version of this build.
    SetLabelText(ver, Version);
}

void Tabout::FormShow() { CenterOnScreen(); } // now that the frame is known

void Tabout::FormActivate() { ok->setFocus(); }
