#pragma once
// The clipboard (the services' one) as 8-bit text. Text placed on it is converted from Windows-1252;
// text read from it is converted to Windows-1252 with "?" for characters that have no byte.
#include <string>

void ClipboardSetText(const std::string& ansi);
std::string ClipboardGetText();
bool ClipboardHasText();
