#pragma once
// Input methods (ibus, fcitx) in the editor: what they ask of it (is it on, where the caret
// is, the caret's line around it, the font) and what they send. The text being composed
// shows at the caret, underlined, drawn over the picture and never into the text: it is no
// edit, no undo step and nothing to save. The composed text, once committed, is typed as keys
// type it (over the selection, entities, closing partners, the completion list, what screen
// readers are told), so the host's undo timer makes it one step as it does a burst of keys.
// Positions the input method counts are UTF-16 units of the caret's line.
#include "editor/input/InputHost.h"

#include <QInputMethodEvent>
#include <QString>
#include <QTextLayout>
#include <QVariant>

class QPainter;

class TInputMethod {
public:
    explicit TInputMethod(TInputHost& host) : H(host) {}

    // The answer to an input method's query; nothing for a query the widget answers itself.
    QVariant Query(Qt::InputMethodQuery query) const;
    void Event(const QInputMethodEvent& e);
    // The text being composed is dropped: the focus left.
    void Cancel();
    // The caret, its cell or the text moved: the input method asks again where the caret is
    // and what is around it.
    void CaretMoved();
    // The text being composed, over the text area's picture at the caret cell.
    void PaintOver(QPainter& p) const;
    const QString& Composing() const { return FText; }

private:
    // The committed text replaces units [start, start + length) around the caret.
    void Replace(int start, int length);
    void SetComposing(const QString& text, const QList<QInputMethodEvent::Attribute>& attributes);

    TInputHost& H;
    QString FText;
    QList<QTextLayout::FormatRange> FFormats;
    int FCursor = 0;
    bool FCursorShown = true;
    bool FCaretHidden = false;
};
