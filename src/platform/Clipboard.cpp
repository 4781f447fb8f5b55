#include "platform/Clipboard.h"

#include "platform/Win1252.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void ClipboardSetText(const std::string& ansi) { QGuiApplication::clipboard()->setText(ToQString(ansi)); }

std::string ClipboardGetText() { return FromQStringLossy(QGuiApplication::clipboard()->text()); }

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}
