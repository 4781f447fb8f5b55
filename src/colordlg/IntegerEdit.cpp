#include "colordlg/IntegerEdit.h"

#include <QKeyEvent>
#include <limits>

bool TIntegerEdit::SteppedByArrow = false;

TIntegerEdit::TIntegerEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { ChangeStep(); });
}

bool TIntegerEdit::ToInteger(const QString& text, int& value)
{
    if (text.isEmpty()) return false;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == u'+' || text[0] == u'-') {
        negative = text[0] == u'-';
        ++i;
    }
    if (i == text.size()) return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9') return false;
        v = v * 10 + (ch - u'0');
        if (v > (long long)std::numeric_limits<int>::max() + 1) return false;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
    value = int(v);
    return true;
}

bool TIntegerEdit::TypesCharacter(const QKeyEvent* e)
{
    // Keys the dialog or the edit act on before any character is typed: navigation, Enter and
    // Esc for the default and cancel buttons, and deletion.
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
        return false;
    default:
        return !e->text().isEmpty();
    }
}

bool TIntegerEdit::ArrowStep(QKeyEvent* e)
{
    SteppedByArrow = false;
    if (e->key() != Qt::Key_Up && e->key() != Qt::Key_Down) return false;
    int value = 0;
    if (!ToInteger(text(), value)) {
        clear();
        return true;
    }
    const long long next = e->key() == Qt::Key_Up ? std::min<long long>((long long)value + 1, Max)
                                                   : std::max<long long>((long long)value - 1, Min);
    setText(QString::number(next));
    SteppedByArrow = true;
    return true;
}

void TIntegerEdit::keyPressEvent(QKeyEvent* e)
{
    const bool arrow = ArrowStep(e);
    if (OnKeyDown) OnKeyDown(this, e);
    if (arrow) {
        // The step is the arrow's whole effect in this edit.
        e->accept();
        return;
    }
    if (!TypesCharacter(e)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (OnKeyPress) OnKeyPress(this, e);
    const QString t = e->text();
    const bool allowed = e->key() == Qt::Key_Backspace ||
                         (t.size() == 1 && ((t[0] >= u'0' && t[0] <= u'9') || t[0] == u'.') &&
                          !(e->modifiers() & Qt::ControlModifier));
    if (allowed)
        QLineEdit::keyPressEvent(e);
    else
        e->accept(); // dropped: letters, blanks and control characters alike
}

void TIntegerEdit::keyReleaseEvent(QKeyEvent* e)
{
    if (SteppedByArrow) selectAll();
    if (OnKeyUp) OnKeyUp(this, e);
    QLineEdit::keyReleaseEvent(e);
}

void TIntegerEdit::ChangeStep()
{
    const QString t = text();
    if (t.isEmpty()) return;
    int value = 0;
    QString cleaned;
    if (!ToInteger(t, value))
        cleaned = QString::number(Min);
    else
        cleaned = QString::number(std::clamp(value, std::min(Min, Max), Max));
    // Assigning the cleaned text runs this step again, which reports it; the report below
    // then repeats the cleaned value.
    if (cleaned != t) setText(cleaned);
    if (OnChange) OnChange(this);
}
