#include "platform/Clipboard.h"

#include "platform/Services.h"
#include "platform/Utf8.h"

void ClipboardSetText(const std::string& text) { Services().Clipboard->SetText(QStringFromUtf8(text)); }

std::string ClipboardGetText() { return Utf8FromQString(Services().Clipboard->Text()); }

bool ClipboardHasText() { return Services().Clipboard->HasText(); }
