#pragma once
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTest>

// Types `text` into `w` key by key; a character with no key of its own (å, ä, ö ...) comes as
// a key event carrying its text, as a keyboard layout sends it.
inline void TypeText(QWidget* w, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(w, char(ch.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }

}
