#pragma once
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QString>
#include <QTest>

// Types `text` into `w` key by key; a character with no key of its own (å, ä, ö ...) comes as
// a key event carrying its text, as a keyboard layout sends it.
inline void TypeText(QWidget* w, const QString& text)
{
    for (const char32_t ch : text.toUcs4()) {
        if (ch < 0x80) {
            QTest::keyClick(w, char(ch));
            continue;
        }
        const QString one = QString::fromUcs4(&ch, 1); // a character beyond U+FFFF in one event
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
        QApplication::sendEvent(w, &release);
    }
}

// What an input method sends: the text it is composing, and the text it commits, which takes
// the place of `length` units from `from` units after the caret.
inline void Compose(QWidget* w, const QString& composing, const QString& commit = {}, int from = 0, int length = 0)
{
    QInputMethodEvent e(composing, {});
    e.setCommitString(commit, from, length);
    QApplication::sendEvent(w, &e);
}
