#include "platform/Pointer.h"

#include "platform/Application.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <map>

namespace {
std::optional<TRect> gClip;
std::map<int, QCursor>& Cursors()
{
    static std::map<int, QCursor> table;
    return table;
}

// Clamps the pointer while a confinement lasts.
class ClipFilter : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (gClip && e->type() == QEvent::MouseMove) {
            const QPoint p = QCursor::pos();
            const int x = std::clamp(p.x(), gClip->Left, gClip->Right - 1);
            const int y = std::clamp(p.y(), gClip->Top, gClip->Bottom - 1);
            if (x != p.x() || y != p.y()) QCursor::setPos(x, y);
        }
        return QObject::eventFilter(o, e);
    }
};
} // namespace

TPoint GetCursorPos() { return FromQPoint(QCursor::pos()); }
void SetCursorPos(int x, int y) { QCursor::setPos(x, y); }

void ClipCursor(const TRect& r)
{
    ApplicationEventFilter<ClipFilter>();
    gClip = r;
}

void ReleaseCursorClip() { gClip.reset(); }
std::optional<TRect> GetClipCursor() { return gClip; }

QCursor LoadCursor(const QString& file, int hotX, int hotY)
{
    const QPixmap pix(file);
    if (pix.isNull()) return QCursor(Qt::ArrowCursor);
    return QCursor(pix, hotX, hotY);
}

void SetCustomCursor(int index, const QCursor& cursor) { Cursors()[index] = cursor; }

QCursor CustomCursor(int index)
{
    auto it = Cursors().find(index);
    return it == Cursors().end() ? QCursor(Qt::ArrowCursor) : it->second;
}

int WheelScrollLines() { return QApplication::wheelScrollLines(); }
