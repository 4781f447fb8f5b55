#pragma once
// A real editor on screen (offscreen platform), with helpers to set its text and to drive
// it with QtTest keys and mouse events at cell positions.
#include "editor/TextEditorEx.h"
#include "platform/KeyState.h"
#include "FakeServices.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class EditorInput : public testing::Test {
protected:
    void SetUp() override
    {
        TestServices().FakeKeys.Held = std::nullopt;
        Host = std::make_unique<QWidget>();
        Host->resize(420, 320);
        E = new TTextEditorEx(Host.get());
        E->setGeometry(10, 10, 400, 300);
        Host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Host.get()));
        E->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        TestServices().FakeKeys.Held = std::nullopt;
        Host.reset();
    }

    void SetLines(const std::vector<std::string>& lines)
    {
        E->Lines().Assign(lines);
        E->SetCaretPoint({0, 0});
        E->SetSelEndPoint({0, 0});
        // Assigning lines directly draws nothing; start from a picture of the new text.
        E->Repaint();
    }
    std::vector<std::string> Lines() const { return E->Lines().ToVector(); }
    void Caret(int x, int y)
    {
        E->SetCaretPoint({x, y});
        E->SetSelEndPoint({x, y});
    }
    void Select(TPoint from, TPoint to)
    {
        E->SetCaretPoint(from);
        E->SetSelEndPoint(to);
    }
    TPoint CaretAt() const { return E->GetCaretPoint(); }
    TPoint SelEndAt() const { return E->GetSelEndPoint(); }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(E, key, mods); }
    void Type(const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        for (const QChar ch : text) QTest::keyClick(E, ch.toLatin1() ? ch.toLatin1() : ' ', mods);
    }
    // One character with its own text, as a keyboard layout sends it; the live modifier
    // state matches the event's while it is handled.
    void TypeChar(char32_t ch, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QString text = QString::fromUcs4(&ch, 1);
        TestServices().FakeKeys.Held = mods;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, mods, text);
        QApplication::sendEvent(E, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, mods, text);
        QApplication::sendEvent(E, &release);
        TestServices().FakeKeys.Held = std::nullopt;
    }

    // The editor-widget point of a client pixel, and of a cell's left edge, vertically in the
    // middle of its line (dx pixels to the right).
    QPoint Widget(int cx, int cy) const { return E->View()->mapTo(E, QPoint(cx, cy)); }
    QPoint CellPoint(int col, int line, int dx = 1) const
    {
        const TPoint s = E->GetScrollPoint();
        return Widget((col - s.X) * E->CharWidth() + dx, (line - s.Y) * E->LineHeight() + E->LineHeight() / 2);
    }

    std::unique_ptr<QWidget> Host;
    TTextEditorEx* E = nullptr;
};
