#include "platform/Clipboard.h"

#include "platform/Services.h"
#include "platform/Win1252.h"

void ClipboardSetText(const std::string& ansi) { Services().Clipboard->SetText(ToQString(ansi)); }

std::string ClipboardGetText() { return FromQStringLossy(Services().Clipboard->Text()); }

bool ClipboardHasText() { return Services().Clipboard->HasText(); }
