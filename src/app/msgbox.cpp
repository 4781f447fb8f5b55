#include "app/msgbox.h"

#include "app/DialogParts.h"
#include "platform/Application.h"
#include "platform/Sound.h"

#include <QLabel>
#include <QPushButton>

TMessageBox::TMessageBox(QWidget* owner) : TDialogBox(owner, "MessageBox")
{
    MakeClient(251, 86);

    Panel1 = MakePanel(Client, "Panel1", 0, 0, 251, 41, akLeft | akTop | akRight);
    MakeIconBand(Panel1, {0, 0}, {0, 0, 251, 41}, "Image2");
    SetAnchors(Shape1, akLeft | akTop | akRight | akBottom);
    info = MakeAutoLabel(Panel1, "info", 58, 12, "|");

    Button1 = MakeButton(Client, "Button1", "OK", 119, 55, 89, 24);
    SetCloseButton(Button1, mrOk);
}

void TMessageBox::FormShow()
{
    info->adjustSize();
    const int clientWidth = info->x() + info->width() + 30;
    SetClientWidth(clientWidth);
    CenterFrameOnScreen();
    Button1->move(clientWidth / 2 - Button1->width() / 2, Button1->y());
    Button1->setFocus();
    PlaySystemSound("SystemExclamation");
}
