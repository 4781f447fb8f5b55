#pragma once
// A shown editor in a top-level window on the offscreen screen, so the visibility probe sees
// it as uncovered, plus helpers to compare what incremental drawing left with a repaint (apart
// from what the completion list covers while it shows).
#include "editor/InteractiveListMenu.h"
#include "editor/TextEditorEx.h"
#include "platform/KeyState.h"
#include "FakeServices.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>

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
