#include "editor/TextEditorExAccessible.h"

#include "editor/AccessibleText.h"
#include "editor/TextEditorEx.h"
#include "editor/model/AccessibleOffsets.h"
#include "platform/Utf8.h"

#include <QTextBoundaryFinder>

namespace {
// Offsets and positions of the editor's text (see model/AccessibleOffsets).
int64_t OffsetOf(const TTextEditorEx* e, TPoint p) { return AccessibleOffset(e->Lines(), p); }
TPoint PositionOf(const TTextEditorEx* e, int offset) { return AccessiblePosition(e->Lines(), offset); }
} // namespace

TTextEditorExAccessible::TTextEditorExAccessible(TTextEditorEx* editor)
    : QAccessibleWidget(editor, QAccessible::EditableText)
{
}

TTextEditorEx* TTextEditorExAccessible::Editor() const { return static_cast<TTextEditorEx*>(widget()); }

bool TTextEditorExAccessible::Editable() const { return Editor()->isEnabled() && !Editor()->Settings().ReadOnly(); }

QAccessible::State TTextEditorExAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = Editable();
    s.readOnly = Editor()->Settings().ReadOnly();
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

QString TTextEditorExAccessible::text(QAccessible::Text t) const { return QAccessibleWidget::text(t); }

void* TTextEditorExAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QList<QAccessibleInterface*> TTextEditorExAccessible::Children() const
{
    QList<QAccessibleInterface*> out;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
        if (QAccessibleInterface* c = QAccessibleWidget::child(i); c && c->object() != Editor()->View()) out << c;
    return out;
}

int TTextEditorExAccessible::childCount() const { return int(Children().size()); }

QAccessibleInterface* TTextEditorExAccessible::child(int index) const { return Children().value(index); }

int TTextEditorExAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return int(Children().indexOf(const_cast<QAccessibleInterface*>(child)));
}

// ---- selection and caret ----
// The caret is always placed with its handler run, so a selection collapses even when the
// caret stays where it is (at the start of a selection): text put in there must not replace it.

int TTextEditorExAccessible::selectionCount() const { return Editor()->HasSelection() ? 1 : 0; }

void TTextEditorExAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Editor()->HasSelection()) return;
    const TSelectionSpan s = Editor()->Selection();
    *startOffset = ClampOffset(OffsetOf(Editor(), s.Start));
    *endOffset = ClampOffset(OffsetOf(Editor(), s.End));
}

void TTextEditorExAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    // One selection, from its start (where the caret stands) to its end, as a drag makes it.
    if (selectionIndex != 0 || !Editor()->isEnabled()) return;
    Editor()->PlaceCaretCollapsed(PositionOf(Editor(), startOffset), true);
    Editor()->SetSelEndPoint(PositionOf(Editor(), endOffset));
}

void TTextEditorExAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TTextEditorExAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0 && Editor()->isEnabled()) Editor()->PlaceCaretCollapsed(Editor()->GetCaretPoint(), true);
}

int TTextEditorExAccessible::cursorPosition() const { return ClampOffset(OffsetOf(Editor(), Editor()->GetCaretPoint())); }

void TTextEditorExAccessible::setCursorPosition(int position)
{
    if (Editor()->isEnabled()) Editor()->PlaceCaretCollapsed(PositionOf(Editor(), position), true);
}

// ---- text ----

int TTextEditorExAccessible::characterCount() const
{
    const TLineStore& lines = Editor()->Lines();
    return ClampOffset(OffsetOf(Editor(), {lines.Length(lines.Count() - 1), lines.Count() - 1}));
}

QString TTextEditorExAccessible::text(int startOffset, int endOffset) const
{
    const int n = characterCount();
    // -1 for the end is how AT-SPI asks for the rest of the text.
    if (endOffset < 0 || endOffset > n) endOffset = n;
    startOffset = std::clamp(startOffset, 0, n);
    if (startOffset >= endOffset) return {};
    const std::vector<std::string> pieces =
        Editor()->GetRange(PositionOf(Editor(), startOffset), PositionOf(Editor(), endOffset));
    return AccessibleLineText(pieces, 0, int(pieces.size()) - 1);
}

void TTextEditorExAccessible::Segment(int offset, QAccessible::TextBoundaryType boundary, int& start, int& end) const
{
    const int n = characterCount();
    offset = std::clamp(offset, 0, n);
    start = end = offset;
    if (boundary == QAccessible::NoBoundary) {
        start = 0;
        end = n;
        return;
    }
    // Within the line everything counts UTF-16 units, as the offsets do.
    const TPoint p = PositionOf(Editor(), offset);
    const QString line = AccessibleString(Editor()->Lines()[p.Y]);
    const int lineStart = ClampOffset(OffsetOf(Editor(), {0, p.Y}));
    const int at = offset - lineStart, length = int(line.size());
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
        // A line without its break, as Qt's own editors give it.
        start = lineStart;
        end = lineStart + length;
        return;
    }
    // At the end of a line: its break, or nothing after the last line.
    if (at >= length) {
        end = offset < n ? offset + 1 : offset;
        return;
    }
    if (boundary == QAccessible::CharBoundary) {
        end = offset + (line[at].isHighSurrogate() && at + 1 < length ? 2 : 1);
        return;
    }
    // Words and sentences are found in their own line, and no piece runs past it.
    QTextBoundaryFinder finder(boundary == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                      : QTextBoundaryFinder::Sentence,
                               line);
    finder.setPosition(at);
    const int from = finder.isAtBoundary() ? at : int(finder.toPreviousBoundary());
    finder.setPosition(at);
    const qsizetype to = finder.toNextBoundary();
    start = lineStart + std::max(from, 0);
    end = lineStart + (to < 0 ? length : int(to));
}

QString TTextEditorExAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const
{
    Segment(offset, boundaryType, *startOffset, *endOffset);
    return text(*startOffset, *endOffset);
}

QString TTextEditorExAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                  int* startOffset, int* endOffset) const
{
    int start = 0, end = 0;
    Segment(offset, boundaryType, start, end);
    if (start <= 0) {
        *startOffset = *endOffset = 0;
        return {};
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString TTextEditorExAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                 int* startOffset, int* endOffset) const
{
    int start = 0, end = 0;
    Segment(offset, boundaryType, start, end);
    const int n = characterCount();
    // A line ends before its break: the next line begins after it.
    const bool line = boundaryType == QAccessible::LineBoundary || boundaryType == QAccessible::ParagraphBoundary;
    const int next = line ? end + 1 : end;
    if (line ? next > n : next >= n) {
        *startOffset = *endOffset = n;
        return {};
    }
    return textAtOffset(next, boundaryType, startOffset, endOffset);
}

// ---- geometry ----

QRect TTextEditorExAccessible::characterRect(int offset) const
{
    const TTextEditorEx* e = Editor();
    const TPoint p = PositionOf(e, offset);
    const QPoint topLeft = e->ClientToGlobal(e->CellPoint(p));
    // A wide character's two cells; a mark inside a character has its cells.
    int cells = 1;
    if (p.Y < e->Lines().Count()) {
        const TLineCells line(e->Lines()[p.Y]);
        const TClusterCell c = line.AtCell(line.CellOf(p.X));
        if (!c.Text.empty()) cells = c.Width;
    }
    return {topLeft, QSize(cells * e->CharWidth(), e->LineHeight())};
}

int TTextEditorExAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint client = Editor()->View()->mapFromGlobal(point);
    if (!Editor()->View()->rect().contains(client)) return -1;
    return ClampOffset(OffsetOf(Editor(), Editor()->HitTest(client.x(), client.y())));
}

void TTextEditorExAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    Editor()->ScrollIntoView(PositionOf(Editor(), endIndex));
    Editor()->ScrollIntoView(PositionOf(Editor(), startIndex));
}

QString TTextEditorExAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One face and colour for all the text: no attributes, over the line.
    Segment(offset, QAccessible::LineBoundary, *startOffset, *endOffset);
    return {};
}

// ---- editing ----

void TTextEditorExAccessible::deleteText(int startOffset, int endOffset)
{
    if (!Editable()) return;
    const TPoint start = PositionOf(Editor(), std::min(startOffset, endOffset));
    Editor()->DeleteRange(start, PositionOf(Editor(), std::max(startOffset, endOffset)));
    Editor()->PlaceCaretCollapsed(start, true);
}

void TTextEditorExAccessible::insertText(int offset, const QString& text)
{
    if (!Editable()) return;
    Editor()->PlaceCaretCollapsed(PositionOf(Editor(), offset), true);
    // Text from outside, as a paste takes it.
    Editor()->InsertText(Utf8FromQString(text));
}

void TTextEditorExAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (!Editable()) return;
    setSelection(0, startOffset, endOffset);
    Editor()->InsertText(Utf8FromQString(text));
}
