#include "app/InternalFunctionInputWin.h"

#include "app/DialogParts.h"
#include "platform/Application.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TInternalFunctionInput::TInternalFunctionInput(QWidget* owner) : TDialogBox(owner, "InternalFunctionInput")
{
    // The square stands left of the panel here, not over its end.
    MakeIconBand(this, {10, 14}, {51, 14, 292, 41}, "Image1");
    Q = MakeAutoLabel(this, "Q", 64, 26, "|");

    A = new QLineEdit(this);
    A->setObjectName("A");
    Place(A, 10, 70, 337, 21);
    // The prompt's accelerator letter, if it has one, focuses the edit box.
    Q->setBuddy(A);

    btnOk = MakeButton(this, "btnOk", "OK", 184, 105, 75, 24);
    btnCancel = MakeButton(this, "btnCancel", "Cancel", 272, 105, 75, 24);
    SetDefaultButton(btnOk);
    SetCancelButton(btnCancel);
    SetButtonResult(btnOk, mrOk);
    connect(btnCancel, &QPushButton::clicked, this, [this] { FormActivate(); });
    SetButtonResult(btnCancel, mrCancel);

    setTabOrder(A, btnOk);
    setTabOrder(btnOk, btnCancel);

    SetClientSize(358, 137);
    CenterOnScreen();
}

void TInternalFunctionInput::FormShow()
{
    Q->adjustSize();
    CenterOnScreen();
}

void TInternalFunctionInput::FormActivate()
{
    A->setFocus();
    A->selectAll();
}
