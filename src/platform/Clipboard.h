#pragma once
// The clipboard (the services' one) as plain text, in the program's own text (UTF-8).
#include <string>

void ClipboardSetText(const std::string& text);
std::string ClipboardGetText();
bool ClipboardHasText();
