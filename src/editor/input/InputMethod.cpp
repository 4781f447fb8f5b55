#include "editor/input/InputMethod.h"

#include "editor/CaretHidden.h"
#include "editor/model/AccessibleOffsets.h"
#include "editor/model/LineLayout.h"
#include "editor/view/EditorTextArea.h"
#include "platform/SystemCaret.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QPainter>
#include <QTextCharFormat>

#include <algorithm>

QVariant TInputMethod::Query(Qt::InputMethodQuery query) const
{
    // Asked at any moment, also while a drag has taken the caret's text away.
    const TPoint caret = H.Document().Clamp(H.GetCaretPoint());
    const std::string& line = H.Document().Lines()[caret.Y];
    // The other end of the selection, within the caret's line.
    const auto anchor = [&] {
        const TSelectionSpan s = H.Selection();
        const TPoint other = s.Start == caret ? s.End : s.Start;
        if (other.Y != caret.Y) return other.Y < caret.Y ? 0 : ColumnCount(line);
        return other.X;
    };
    switch (query) {
    case Qt::ImEnabled: return !H.Settings().ReadOnly();
    case Qt::ImCursorRectangle:
        return QRect(H.ClientToWidget(H.CellPoint(caret)), QSize(H.Grid().CharWidth, H.LineHeight()));
    case Qt::ImFont: return H.Font().ToQFont();
    case Qt::ImCursorPosition: return int(LineUnits(line, caret.X));
    case Qt::ImAnchorPosition: return int(LineUnits(line, anchor()));
    case Qt::ImSurroundingText: return AccessibleString(line);
    case Qt::ImCurrentSelection: {
        const int other = anchor();
        return AccessibleString(ColumnsText(line, std::min(caret.X, other), std::max(caret.X, other)));
    }
    case Qt::ImHints: return int(Qt::ImhMultiLine);
    default: return {};
    }
}

void TInputMethod::Event(const QInputMethodEvent& e)
{
    if (!H.Settings().ReadOnly()) {
        if (e.replacementStart() != 0 || e.replacementLength() != 0) Replace(e.replacementStart(), e.replacementLength());
        if (!e.commitString().isEmpty()) H.TypeKeys(e.commitString());
    }
    SetComposing(e.preeditString(), e.attributes());
}

void TInputMethod::Replace(int start, int length)
{
    const TPoint caret = H.Document().Clamp(H.GetCaretPoint());
    const std::string& line = H.Document().Lines()[caret.Y];
    const int64_t at = LineUnits(line, caret.X) + start;
    // Whole user-perceived characters of the caret's line.
    const int from = StopAtOrBefore(line, LineColumnAt(line, at));
    int to = LineColumnAt(line, at + std::max(length, 0));
    if (StopAtOrBefore(line, to) != to) to = NextStop(line, to);
    TCaretHidden hidden(H);
    if (to > from)
        H.ApplyEdit(H.Document().DeleteRange({from, caret.Y}, {to, caret.Y}), TCaretAfterEdit::Collapsed);
    else
        H.PlaceCaretCollapsed({from, caret.Y}, false);
}

void TInputMethod::SetComposing(const QString& text, const QList<QInputMethodEvent::Attribute>& attributes)
{
    FText = text;
    FFormats.clear();
    FCursor = int(text.size());
    FCursorShown = true;
    for (const QInputMethodEvent::Attribute& a : attributes) {
        if (a.type == QInputMethodEvent::Cursor) {
            FCursor = std::clamp(a.start, 0, int(text.size()));
            FCursorShown = a.length != 0;
        } else if (a.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat f = a.value.value<QTextFormat>().toCharFormat();
            if (f.isValid()) FFormats.append({a.start, a.length, f});
        }
    }
    // Without the input method's own marks the whole text is underlined.
    if (FFormats.isEmpty() && !text.isEmpty()) {
        QTextCharFormat underlined;
        underlined.setFontUnderline(true);
        FFormats.append({0, int(text.size()), underlined});
    }
    // The composed text draws its own cursor; the caret would stand on its first character.
    const bool hide = !text.isEmpty() && SystemCaret::Owner() == H.View();
    if (hide && !FCaretHidden) H.HideCaret();
    if (!hide && FCaretHidden) H.ShowCaret();
    FCaretHidden = hide;
    H.View()->update();
}

void TInputMethod::Cancel()
{
    if (!FText.isEmpty() || FCaretHidden) SetComposing({}, {});
}

void TInputMethod::CaretMoved()
{
    if (H.Widget()->hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
}

void TInputMethod::PaintOver(QPainter& p) const
{
    if (FText.isEmpty()) return;
    const TPoint cell = H.CellPoint(H.GetCaretPoint());
    const QPointF at(cell.X, cell.Y);
    QTextLayout layout(FText, H.Font().ToQFont());
    layout.setFormats(FFormats);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    p.save();
    p.fillRect(QRectF(at, QSizeF(line.naturalTextWidth(), H.LineHeight())), ToQColor(H.Settings().BkColor()));
    p.setPen(ToQColor(H.Font().Color));
    layout.draw(&p, at);
    if (FCursorShown) layout.drawCursor(&p, at, FCursor, 2);
    p.restore();
}
