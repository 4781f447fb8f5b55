// The keyboard: the movement keys with their extend flag, the editing keys, and the typed
// characters.
#include "editor/TextEditorEx.h"
#include "editor/CaretHidden.h"
#include "editor/input/KeyMotion.h"

#include <QKeyEvent>

#include <algorithm>

bool TTextEditorEx::MoveByKey(int key, bool extend, bool ctrl)
{
    TCaretPos& moved = extend ? SelEndPos : CaretPos;
    const int rows = Grid().Rows();
    const std::optional<TPoint> target =
        KeyMotionTarget(FDoc, key, moved.GetPoint(), ctrl, rows, FSettings->ObjStopChars());
    if (!target) return false;
    TCaretHidden hidden(*this);
    moved.SetPoint(*target);
    return true;
}

void TTextEditorEx::TypeText(const QString& text, Qt::KeyboardModifiers mods)
{
    // Ctrl shortcuts type nothing; Ctrl+Alt is AltGr and types.
    const bool ctrlOnly = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    for (const char32_t u : text.toUcs4()) {
        // The host sees the keys of ASCII (Enter, Tab, Backspace, Esc, letters and digits) and
        // may change them; every other character is typed as it comes.
        if (u < 0x80) KeyPress(char(u), !ctrlOnly);
        else if (!ctrlOnly) TypeChar(u);
    }
}

void TTextEditorEx::KeyPress(char c, bool typed)
{
    if (OnKeyPress) OnKeyPress(this, c);
    if (typed) TypeChar(static_cast<unsigned char>(c));
}

void TTextEditorEx::TypeChar(char32_t c)
{
    // The completion list narrows with every character typed while it shows.
    if (FEditing.TypeChar(c)) FCompletion->Typed(c);
}

void TTextEditorEx::KeyTab()
{
    // Tab types spaces, each seen by the host as a key press; a tab character never.
    if (FSettings->ReadOnly()) return;
    for (int i = 0; i < FSettings->TabLength(); ++i) KeyPress(' ', true);
}

bool TTextEditorEx::event(QEvent* e)
{
    // Hovering over the selection shows the drag cursors, so moves without a button must
    // reach the editor through its text area too.
    if (FView && !hasMouseTracking()) {
        setMouseTracking(true);
        FView->setMouseTracking(true);
    }
    // Tab belongs to the editor, not to focus navigation; Ctrl+Tab and Shift+Ctrl+Tab leave
    // it, as in Qt's own text editors, so the keyboard alone can get out again.
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) {
            if (ke->modifiers() & Qt::ControlModifier)
                focusNextPrevChild(ke->key() == Qt::Key_Tab && !(ke->modifiers() & Qt::ShiftModifier));
            else
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
    if (FCompletion->KeyDown(key, ctrl)) {
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
    FCompletion->KeyUp(*e);
    if (OnKeyUp) {
        int key = e->key();
        OnKeyUp(this, key, e->modifiers());
    }
}

void TTextEditorEx::inputMethodEvent(QInputMethodEvent* e)
{
    FInputMethod.Event(*e);
    e->accept();
}

QVariant TTextEditorEx::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const QVariant answer = FInputMethod.Query(query);
    return answer.isValid() ? answer : QWidget::inputMethodQuery(query);
}

void TTextEditorEx::ToggleOverwriteMode()
{
    FSettings->SetOverwriteMode(!FSettings->OverwriteMode());
    if (OnCaretModeChange) OnCaretModeChange(this);
}
