#pragma once
// A shown editor in a top-level window on the offscreen screen, so the visibility probe sees
// it as uncovered, plus helpers to compare what incremental drawing left with a repaint.
#include "editor/TextEditorEx.h"
#include "platform/KeyState.h"

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
    ~EditorWindow() { KeyState::Override(std::nullopt); }

    TTextEditorEx& operator*() { return *Editor; }
    TTextEditorEx* operator->() { return Editor; }

    std::unique_ptr<QWidget> Window;
    TTextEditorEx* Editor = nullptr;
};

// Number of pixels that differ between two images of the same size (all when sizes differ).
inline int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if ((pa[x] & 0xFFFFFF) != (pb[x] & 0xFFFFFF)) ++n;
    }
    return n;
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
        const QImage full_ = FullRepaintOf(editor);                                            \
        EXPECT_EQ(DifferentPixels(now_, full_), 0) << what;                                    \
    } while (0)
