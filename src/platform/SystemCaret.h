#pragma once
// The one system caret of the application, as on Windows: created for one owner with a
// size, placed, shown and hidden (hides are counted: n hides need n shows), destroyed. It
// blinks at the platform's cursor-flash rate on the services' clock and is drawn over the
// owner's pixels, never into them. Its state is the services' (TServices::Caret).
#include "platform/Clock.h"

#include <QPainter>
#include <QPointer>
#include <QWidget>

struct TCaretState {
    QPointer<QWidget> Owner;
    QSize Size;
    QPoint Pos;
    int Hides = 1; // a new caret starts hidden
    bool BlinkOn = true;
    QPointer<TTimer> Timer;
};

namespace SystemCaret {
void Create(QWidget* owner, int width, int height);
void Destroy();
void SetPos(int x, int y);
// A new size for the caret as it stands, shown or hidden as it was.
void SetSize(int width, int height);
QPoint Pos();
void Show(QWidget* owner);
void Hide(QWidget* owner);
QWidget* Owner();
QSize Size();
// Shown (hide count back to zero) for its owner, regardless of the blink phase.
bool IsShown();
int HideCount();
// Draws the caret (inverted pixels) when `widget` owns it and it is in its visible phase.
void PaintOver(QWidget* widget, QPainter& painter);
} // namespace SystemCaret
