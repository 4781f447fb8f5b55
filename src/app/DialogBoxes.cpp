#include "app/DialogBoxes.h"

#include "app/DialogParts.h"
#include "app/InternalFunctionInputWin.h"
#include "app/msgbox.h"
#include "app/qbox.h"
#include "platform/Utf8.h"

#include <QLineEdit>

#include <memory>

// Each box is built for one call and destroyed on the way out, also when showing it throws.
// Made a child of its owner, it is transient for the owner's window: the window manager keeps
// it above that window and raises nothing else with it.

bool ldMessageBox(QWidget* owner, const std::string& text)
{
    auto box = std::make_unique<TMessageBox>(owner);
    SetLabelText(box->info, text);
    return box->ShowModal() == mrOk;
}

int ldQuestionBox(QWidget* owner, const std::string& statement, const std::string& question)
{
    auto box = std::make_unique<TQuestionBox>(owner);
    SetLabelText(box->info, statement);
    SetLabelText(box->question, question);
    return box->ShowModal();
}

bool ldInputQuery(QWidget* owner, const std::string& prompt, const std::string& defaultValue, std::string& value)
{
    auto box = std::make_unique<TInternalFunctionInput>(owner);
    SetLabelText(box->Q, prompt);
    box->A->setText(QStringFromUtf8(defaultValue));
    const int result = box->ShowModal();
    value = Utf8FromQString(box->A->text());
    return result == mrOk;
}
