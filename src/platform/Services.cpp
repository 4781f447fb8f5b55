#include "platform/Services.h"

#include "platform/Random.h"
#include "platform/SystemCaret.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
TServices* gInstalled = nullptr;

TServices& SystemDefaults()
{
    static TSystemClock clock;
    static TSystemKeyboard keys;
    static TSystemClipboard clipboard;
    static TCaretState caret;
    static TSeededRandom random(FreshSeed());
    static TServices s = [] {
        TServices d;
        d.Clock = &clock;
        d.Keys = &keys;
        d.Clipboard = &clipboard;
        d.Caret = &caret;
        d.Random = &random;
        return d;
    }();
    return s;
}
} // namespace

TServices& Services() { return gInstalled ? *gInstalled : SystemDefaults(); }

void InstallServices(TServices* services) { gInstalled = services; }

Qt::KeyboardModifiers TSystemKeyboard::Modifiers() const { return QGuiApplication::queryKeyboardModifiers(); }

void TSystemClipboard::SetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString TSystemClipboard::Text() const { return QGuiApplication::clipboard()->text(); }

bool TSystemClipboard::HasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}
