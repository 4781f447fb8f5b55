#pragma once
// The program's three dialog boxes, one call each. A box belongs to the window that asks (its
// owner): it is centred on that window's screen, stays above it, and leaves every other window
// where it is in the stacking. Texts are UTF-8.
#include <string>

class QWidget;

// The message box with `text`; true when it was closed with OK.
bool ldMessageBox(QWidget* owner, const std::string& text);
// The question box: `statement` above `question`; mrYes, mrNo or mrCancel.
int ldQuestionBox(QWidget* owner, const std::string& statement, const std::string& question);
// The input box with `prompt` and `defaultValue` in its edit box; true when it was closed with
// OK. `value` receives the edit box's text either way.
bool ldInputQuery(QWidget* owner, const std::string& prompt, const std::string& defaultValue, std::string& value);
