#include "editor/AccessibleTextEvents.h"

#include "editor/AccessibleText.h"
#include "editor/TextEditorEx.h"
#include "editor/model/AccessibleOffsets.h"

#include <QAccessibleEvent>

#include <algorithm>

TAccessibleTextEvents::TAccessibleTextEvents(TTextEditorEx& editor) : Editor(editor)
{
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) Listen();
}

TAccessibleTextEvents::~TAccessibleTextEvents() { QAccessible::removeActivationObserver(this); }

void TAccessibleTextEvents::accessibilityActiveChanged(bool active)
{
    if (active)
        Listen();
    else
        Told.reset(); // the old chunks go, and edits no longer copy them
}

void TAccessibleTextEvents::Listen()
{
    Told = Editor.Lines().Snapshot();
    Caret = SelStart = SelEnd = -1;
}

void TAccessibleTextEvents::TextChanged()
{
    if (!QAccessible::isActive()) return;
    if (!Told) {
        Listen();
        return;
    }
    // One edit may change the lines in several steps (a line split is a line changed and a
    // line inserted); told step by step, a screen reader would read the moved text as new.
    // The steps are told together: before the caret's move that ends the edit, or once the
    // edit is over.
    if (Pending) return;
    Pending = true;
    QMetaObject::invokeMethod(&Editor, [this] { TellText(); }, Qt::QueuedConnection);
}

void TAccessibleTextEvents::TellText()
{
    if (!Pending) return;
    Pending = false;
    if (!QAccessible::isActive() || !Told) return;
    const TLineStore& now = Editor.Lines();
    const TLineSnapshot before = std::move(*Told);
    Told = now.Snapshot();
    int head = 0, tail = 0;
    now.CommonEnds(before, head, tail);
    int oldEnd = before.Count() - tail, newEnd = now.Count() - tail;
    if (oldEnd == head && newEnd == head) return; // the same lines again
    // Lines that came or went alone are told with a neighbour (the next, or at the end the one
    // before), whose break then comes or goes with them; the common start and end of the two
    // pieces are taken off again below. Either neighbour is there: neither text is empty.
    if (oldEnd == head || newEnd == head) {
        if (tail == 0) {
            --head;
        } else {
            ++oldEnd;
            ++newEnd;
        }
    }
    QString removed = AccessibleLineText(before, head, oldEnd - 1);
    QString inserted = AccessibleLineText(now, head, newEnd - 1);
    qsizetype same = 0;
    while (same < removed.size() && same < inserted.size() && removed[same] == inserted[same]) ++same;
    qsizetype sameEnd = 0;
    while (sameEnd < removed.size() - same && sameEnd < inserted.size() - same &&
           removed[removed.size() - 1 - sameEnd] == inserted[inserted.size() - 1 - sameEnd])
        ++sameEnd;
    removed = removed.mid(same, removed.size() - same - sameEnd);
    inserted = inserted.mid(same, inserted.size() - same - sameEnd);
    const int at = ClampOffset(AccessibleOffset(now, {0, head}) + same);
    if (!removed.isEmpty()) {
        QAccessibleTextRemoveEvent e(&Editor, at, removed);
        QAccessible::updateAccessibility(&e);
    }
    if (!inserted.isEmpty()) {
        QAccessibleTextInsertEvent e(&Editor, at, inserted);
        QAccessible::updateAccessibility(&e);
    }
}

void TAccessibleTextEvents::SelectionMoved()
{
    if (!QAccessible::isActive()) return;
    TellText();
    const TLineStore& lines = Editor.Lines();
    const int64_t caret = AccessibleOffset(lines, Editor.GetCaretPoint());
    if (caret != Caret) {
        Caret = caret;
        QAccessibleTextCursorEvent e(&Editor, ClampOffset(caret));
        QAccessible::updateAccessibility(&e);
    }
    const TSelectionSpan s = Editor.Selection();
    const int64_t start = AccessibleOffset(lines, s.Start), end = AccessibleOffset(lines, s.End);
    if (start != SelStart || end != SelEnd) {
        SelStart = start;
        SelEnd = end;
        QAccessibleTextSelectionEvent e(&Editor, ClampOffset(start), ClampOffset(end));
        QAccessible::updateAccessibility(&e);
    }
}
