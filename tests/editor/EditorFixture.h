#pragma once
// The editor tests' one fixture: a shown editor in a top-level window on the offscreen
// screen, so the visibility probe sees it as uncovered; helpers to compare what incremental
// drawing left with a repaint (apart from what the completion list covers while it shows);
// and a test base that sets the editor's text and drives it with QtTest keys and mouse events
// at cell positions.
#include "editor/input/InteractiveListMenu.h"
#include "editor/TextEditorEx.h"
#include "platform/KeyState.h"
#include "FakeServices.h"

#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class EditorWindow {
public:
    explicit EditorWindow(int clientW = 300, int clientH = 200, bool show = true)
    {
        Window = std::make_unique<QWidget>();
        Window->setWindowFlags(Qt::FramelessWindowHint);
        Window->setGeometry(0, 0, clientW + 60, clientH + 60);
        Editor = new TTextEditorEx(Window.get());
        Editor->setGeometry(10, 10, clientW + 4, clientH + 4);
        if (show) {
            Window->show();
            (void)QTest::qWaitForWindowExposed(Window.get());
        }
    }
    ~EditorWindow() { TestServices().FakeKeys.Held = std::nullopt; }

    TTextEditorEx& operator*() { return *Editor; }
    TTextEditorEx* operator->() { return Editor; }

    std::unique_ptr<QWidget> Window;
    TTextEditorEx* Editor = nullptr;
};

// Number of pixels that differ between two images of the same size (all when sizes differ),
// leaving out those inside `hole`.
inline int DifferentPixels(const QImage& a, const QImage& b, const QRect& hole = QRect())
{
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if ((pa[x] & 0xFFFFFF) != (pb[x] & 0xFFFFFF) && !hole.contains(x, y)) ++n;
    }
    return n;
}

// The client pixels the completion list covers while it shows; what lies under it is not on
// screen, so a comparison passes over them.
inline QRect ListMenuCover(TTextEditorEx& e)
{
    if (!e.ListMenuVisible()) return QRect();
    return QRect(e.View()->mapFrom(&e, e.ListMenu()->pos()), e.ListMenu()->size());
}

// What a full repaint of the current state draws. The editor keeps the repainted picture,
// which is the same as its own when the comparison passes.
inline QImage FullRepaintOf(TTextEditorEx& e)
{
    e.Repaint();
    return e.BackingImage().copy();
}

// The incremental picture equals a full repaint of the same state.
#define EXPECT_MATCHES_FULL_REPAINT(editor, what)                                              \
    do {                                                                                       \
        const QImage now_ = (editor).BackingImage().copy();                                    \
        const QRect cover_ = ListMenuCover(editor);                                            \
        const QImage full_ = FullRepaintOf(editor);                                            \
        EXPECT_EQ(DifferentPixels(now_, full_, cover_), 0) << what;                            \
    } while (0)

// A real editor on screen with the keyboard focus, for driving it like a user.
class EditorInput : public testing::Test {
protected:
    void SetUp() override
    {
        TestServices().FakeKeys.Held = std::nullopt;
        Win = std::make_unique<EditorWindow>(396, 296, false);
        Host = Win->Window.get();
        E = Win->Editor;
        Host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Host));
        E->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        TestServices().FakeKeys.Held = std::nullopt;
        Win.reset();
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

    std::unique_ptr<EditorWindow> Win;
    QWidget* Host = nullptr;
    TTextEditorEx* E = nullptr;
};
