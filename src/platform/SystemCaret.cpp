#include "platform/SystemCaret.h"

#include "platform/Services.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace {
TCaretState& State() { return *Services().Caret; }

QRect CaretRect() { return QRect(State().Pos, State().Size); }

void UpdateOwner()
{
    TCaretState& s = State();
    if (s.Owner) s.Owner->update(CaretRect().adjusted(-1, -1, 1, 1));
}

void Restart()
{
    TCaretState& s = State();
    if (!s.Timer) {
        s.Timer = new TTimer(qApp);
        QObject::connect(s.Timer, &TTimer::timeout, [] {
            State().BlinkOn = !State().BlinkOn;
            UpdateOwner();
        });
    }
    s.BlinkOn = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (flash > 0 && s.Owner && s.Hides == 0)
        s.Timer->start(flash / 2);
    else
        s.Timer->stop();
}
} // namespace

namespace SystemCaret {
void Create(QWidget* owner, int width, int height)
{
    Destroy();
    TCaretState& s = State();
    s.Owner = owner;
    s.Size = QSize(width, height);
    s.Hides = 1;
    Restart();
}

void Destroy()
{
    TCaretState& s = State();
    UpdateOwner();
    s.Owner = nullptr;
    s.Hides = 1;
    if (s.Timer) s.Timer->stop();
}

void SetPos(int x, int y)
{
    UpdateOwner();
    State().Pos = QPoint(x, y);
    Restart();
    UpdateOwner();
}

QPoint Pos() { return State().Pos; }

void SetSize(int width, int height)
{
    UpdateOwner();
    State().Size = QSize(width, height);
    UpdateOwner();
}

void Show(QWidget* owner)
{
    TCaretState& s = State();
    if (!s.Owner || owner != s.Owner || s.Hides == 0) return;
    --s.Hides;
    Restart();
    UpdateOwner();
}

void Hide(QWidget* owner)
{
    TCaretState& s = State();
    if (!s.Owner || owner != s.Owner) return;
    ++s.Hides;
    Restart();
    UpdateOwner();
}

QWidget* Owner() { return State().Owner; }
QSize Size() { return State().Size; }
bool IsShown() { return State().Owner && State().Hides == 0; }
int HideCount() { return State().Hides; }

void PaintOver(QWidget* widget, QPainter& painter)
{
    const TCaretState& s = State();
    if (widget != s.Owner || s.Hides != 0 || !s.BlinkOn) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(CaretRect(), Qt::white);
    painter.restore();
}
} // namespace SystemCaret
