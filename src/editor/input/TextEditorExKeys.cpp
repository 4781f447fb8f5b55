// The keyboard: the movement keys with their extend flag, the editing keys, and characters
// turned into Windows-1252 for typing.
#include "editor/TextEditorEx.h"
#include "editor/CaretHidden.h"

#include "platform/KeyState.h"
#include "platform/Win1252.h"

#include <QKeyEvent>

#include <algorithm>

bool TTextEditorEx::MoveByKey(int key, bool extend, bool ctrl)
{
    switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End: break;
    default: return false;
    }
    TCaretHidden hidden(*this);
    TCaretPos& moved = extend ? SelEndPos : CaretPos;
    const TPoint p = moved.GetPoint();
    const int last = FDoc.Count() - 1;
    const int rows = FLineHeight > 0 ? ClientHeight() / FLineHeight : 0;
    auto lineAt = [&](int y) { return TPoint{std::min(p.X, FDoc.Length(y)), y}; };
    TPoint target = p;
    switch (key) {
    case Qt::Key_Left:
        if (ctrl) target = WordLeft(p);
        else if (p.X > 0) target = {p.X - 1, p.Y};
        else if (p.Y > 0) target = {FDoc.Length(p.Y - 1), p.Y - 1};
        break;
    case Qt::Key_Right:
        if (ctrl) target = WordRight(p);
        else if (p.X < FDoc.Length(p.Y)) target = {p.X + 1, p.Y};
        else if (p.Y < last) target = {0, p.Y + 1};
        break;
    case Qt::Key_Up:
        if (p.Y > 0) target = lineAt(p.Y - 1);
        break;
    case Qt::Key_Down:
        if (p.Y < last) target = lineAt(p.Y + 1);
        break;
    case Qt::Key_PageUp: {
        const int t = p.Y - rows;
        target = lineAt(t <= 0 ? 0 : t);
        break;
    }
    case Qt::Key_PageDown: {
        // Near the bottom the page jumps to the very end of the text.
        const int t = p.Y + rows;
        target = t < last ? lineAt(t) : TPoint{FDoc.Length(last), last};
        break;
    }
    case Qt::Key_Home:
        target = ctrl ? TPoint{0, 0} : TPoint{0, p.Y};
        break;
    case Qt::Key_End:
        target = ctrl ? TPoint{FDoc.Length(last), last} : TPoint{FDoc.Length(p.Y), p.Y};
        break;
    }
    moved.SetPoint(target);
    return true;
}

void TTextEditorEx::TypeText(const QString& text, Qt::KeyboardModifiers mods)
{
    // Ctrl shortcuts type nothing; Ctrl+Alt is AltGr and types.
    const bool ctrlOnly = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    for (const char32_t u : text.toUcs4()) {
        // A character Windows-1252 has no byte for is not typed at all, never as a look-alike.
        const std::optional<char> byte = UnicodeToWin1252(u);
        if (!byte) continue;
        char c = *byte;
        if (OnKeyPress) OnKeyPress(this, c);
        if (ctrlOnly) continue;
        TypeChar(c);
    }
}

bool TTextEditorEx::event(QEvent* e)
{
    // Hovering over the selection shows the drag cursors, so moves without a button must
    // reach the editor through its text area too.
    if (FView && !hasMouseTracking()) {
        setMouseTracking(true);
        FView->setMouseTracking(true);
    }
    // Tab belongs to the editor, not to focus navigation.
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) {
            keyPressEvent(ke);
            return true;
        }
    }
    return QWidget::event(e);
}

void TTextEditorEx::keyPressEvent(QKeyEvent* e)
{
    // Every key is the editor's, so a dialog's Enter and Esc buttons do not take them.
    e->accept();
    const Qt::KeyboardModifiers mods = e->modifiers();
    int key = e->key();
    if (OnKeyDown) {
        OnKeyDown(this, key, mods);
        if (key == 0) return;
    }
    // Shift+Tab arrives as its own key; it is Tab all the same.
    if (key == Qt::Key_Backtab) key = Qt::Key_Tab;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    if (ListMenuKeyDown(key, ctrl)) {
        // Taken by the completion list; the characters still reach the host and typing,
        // which passes over Enter and Esc.
        TypeText(e->text(), mods);
        return;
    }
    if (MoveByKey(key, shift, ctrl)) return;
    switch (key) {
    case Qt::Key_Control: RerunMouseMove(true); break;
    case Qt::Key_Backspace: KeyBackspace(ctrl); break;
    case Qt::Key_Delete: KeyDelete(ctrl); break;
    case Qt::Key_Return: case Qt::Key_Enter: KeyEnter(); break;
    case Qt::Key_Tab: KeyTab(); break;
    case Qt::Key_Insert: ToggleOverwriteMode(); break;
    default: break;
    }
    // The characters of the key: Backspace, Enter, Tab and Esc reach the host's OnKeyPress
    // too, and typing passes over them.
    TypeText(e->key() == Qt::Key_Backtab ? QStringLiteral("\t") : e->text(), mods);
}

void TTextEditorEx::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    if (e->key() == Qt::Key_Control) RerunMouseMove(false);
    ListMenuKeyUp(*e);
    if (OnKeyUp) {
        int key = e->key();
        OnKeyUp(this, key, e->modifiers());
    }
}

void TTextEditorEx::inputMethodEvent(QInputMethodEvent* e)
{
    // Composed text types like keys; a character without a byte is left out.
    TypeText(e->commitString(), KeyState::Modifiers());
    e->accept();
}
