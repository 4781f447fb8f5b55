#include "app/qbox.h"

#include "app/DialogParts.h"
#include "platform/Application.h"
#include "platform/Sound.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

TQuestionBox::TQuestionBox(QWidget* owner) : TDialogBox(owner, "QuestionBox")
{
    MakeClient(295, 88);

    Panel2 = MakePanel(Client, "Panel2", 0, 0, 295, 41, akLeft | akTop | akRight);
    Panel1 = MakePanel(Panel2, "Panel1", 0, 0, 295, 41, akLeft | akTop | akRight | akBottom);
    MakeIconBand(Panel1, {0, 0}, {0, 0, 295, 41}, "Image1");
    SetAnchors(Shape1, akLeft | akTop | akRight | akBottom);
    info = MakeAutoLabel(Panel1, "info", 53, 5, "|");
    question = MakeAutoLabel(Panel1, "question", 53, 21, "|");

    btnPanel = MakePanel(Client, "btnPanel", 7, 56, 281, 25);
    Button1 = MakeButton(btnPanel, "Button1", "&Yes", 0, 1, 89, 24);
    Button2 = MakeButton(btnPanel, "Button2", "&No", 96, 0, 89, 25);
    Button3 = MakeButton(btnPanel, "Button3", "Cancel", 192, 0, 89, 25);
    SetDefaultButton(Button1);
    SetCancelButton(Button3);
    SetButtonResult(Button1, mrYes);
    SetButtonResult(Button2, mrNo);
    SetButtonResult(Button3, mrCancel);
}

void TQuestionBox::FormShow()
{
    info->adjustSize();
    question->adjustSize();
    const QLabel* wider = info->width() > question->width() ? info : question;
    int clientWidth = wider->width() + wider->x() + 55;
    // The least width is the whole window's, the window manager's frame included.
    const QMargins frame = FrameMargins();
    clientWidth = std::max(clientWidth, MinWindowWidth - frame.left() - frame.right() - 2 * BorderWidth);
    SetClientWidth(clientWidth);
    CenterFrameOnScreen();
    btnPanel->move(clientWidth / 2 - btnPanel->width() / 2, btnPanel->y());
    Button1->setFocus();
    PlaySystemSound("SystemExclamation");
}
