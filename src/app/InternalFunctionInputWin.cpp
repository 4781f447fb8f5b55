#include "app/InternalFunctionInputWin.h"

#include "app/DialogParts.h"
#include "app/Program.h"
#include "platform/Application.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TInternalFunctionInput::TInternalFunctionInput(QWidget* owner) : TForm(owner)
{
    setObjectName("InternalFunctionInput");
    setWindowTitle("Lexidrill");
    setWindowIcon(ProgramIcon());

    Shape2 = new TShape(this, clHighlight, clHighlight);
    Shape2->setObjectName("Shape2");
    Place(Shape2, 10, 14, 41, 41);
    Image1 = MakeIconImage(this, "Image1", 14, 18);
    Shape1 = new TShape(this, clBtnFace, clHighlight);
    Shape1->setObjectName("Shape1");
    Place(Shape1, 51, 14, 292, 41);
    Q = MakeAutoLabel(this, "Q", 64, 26, "|");

    A = new QLineEdit(this);
    A->setObjectName("A");
    A->setValidator(new TAnsiValidator(A));
    Place(A, 10, 70, 337, 21);
    // The prompt's accelerator letter, if it has one, focuses the edit box.
    Q->setBuddy(A);

    btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOk");
    Place(btnOk, 184, 105, 75, 24);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    Place(btnCancel, 272, 105, 75, 24);
    SetDefaultButton(btnOk);
    SetCancelButton(btnCancel);
    SetButtonResult(btnOk, mrOk);
    connect(btnCancel, &QPushButton::clicked, this, [this] { FormActivate(); });
    SetButtonResult(btnCancel, mrCancel);

    setTabOrder(A, btnOk);
    setTabOrder(btnOk, btnCancel);

    SetFixedFrame(true);
    SetClientSize(358, 137);
    CenterOnScreen();
}

void TInternalFunctionInput::showEvent(QShowEvent* e)
{
    TForm::showEvent(e);
    Q->adjustSize();
    CenterOnScreen();
    FormActivate();
}

void TInternalFunctionInput::changeEvent(QEvent* e)
{
    TForm::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TInternalFunctionInput::FormActivate()
{
    A->setFocus();
    A->selectAll();
}
