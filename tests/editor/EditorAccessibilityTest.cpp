// The editor as a screen reader reads it: its text, lines, characters and caret against the
// text joined as a screen reader gets it, over several chunks of lines; and the events of
// every kind of edit, replayed on a copy of the text, which must end as the editor's text.
#include "Accessible.h"
#include "EditorFixture.h"

#include <QAccessibleEvent>

namespace {
class EditorScreenReader : public EditorInput {
protected:
    QAccessibleTextInterface* Text() { return QAccessible::queryAccessibleInterface(E)->textInterface(); }
    // Lines joined by "\n", built apart from the editor (the bytes are Latin-1 here).
    static QString Joined(const std::vector<std::string>& lines)
    {
        QStringList l;
        for (const std::string& s : lines) l << QString::fromUtf8(s.data(), qsizetype(s.size()));
        return l.join('\n');
    }
};
} // namespace

TEST_F(EditorScreenReader, ReadsCharactersLinesAndTheCaretOfAWholeDocument)
{
    // Three chunks of lines, empty ones and a non-ASCII letter among them.
    std::vector<std::string> lines;
    for (int i = 0; i < 3 * TLineStore::ChunkLines; ++i)
        lines.push_back(i % 7 == 3 ? "" : "line " + std::to_string(i) + (i % 5 ? "" : " caf\xc3\xa9"));
    SetLines(lines);
    const QString whole = Joined(lines);
    QAccessibleTextInterface* t = Text();
    ASSERT_EQ(t->characterCount(), whole.size());
    EXPECT_EQ(t->text(0, -1), whole);
    for (int at = 0; at <= whole.size(); at += at < 60 || at > whole.size() - 60 ? 1 : 97) {
        SCOPED_TRACE(at);
        int s = 0, e = 0;
        EXPECT_EQ(t->textAtOffset(at, QAccessible::CharBoundary, &s, &e), whole.mid(at, 1));
        const int lineStart = at == 0 ? 0 : int(whole.lastIndexOf('\n', at - 1)) + 1;
        const int lineEnd = whole.indexOf('\n', at) < 0 ? int(whole.size()) : int(whole.indexOf('\n', at));
        EXPECT_EQ(t->textAtOffset(at, QAccessible::LineBoundary, &s, &e), whole.mid(lineStart, lineEnd - lineStart));
        EXPECT_EQ(std::pair(s, e), std::pair(lineStart, lineEnd));
        const QString next = lineEnd < whole.size() ? whole.mid(lineEnd + 1).section('\n', 0, 0) : QString();
        EXPECT_EQ(t->textAfterOffset(at, QAccessible::LineBoundary, &s, &e), next);
        const QString previous = lineStart > 0 ? whole.left(lineStart - 1).section('\n', -1) : QString();
        EXPECT_EQ(t->textBeforeOffset(at, QAccessible::LineBoundary, &s, &e), previous);
        EXPECT_EQ(t->text(at, at + 9), whole.mid(at, 9));
        t->setCursorPosition(at);
        EXPECT_EQ(t->cursorPosition(), at);
        // The caret stands where the offset is: a line's break is the end of its line.
        EXPECT_EQ(E->GetCaretPoint().X, at - lineStart);
        EXPECT_EQ(E->GetCaretPoint().Y, whole.left(at).count('\n'));
    }
    int s = 0, e = 0;
    EXPECT_EQ(t->textAtOffset(2, QAccessible::WordBoundary, &s, &e), "line");
    E->SetSelEndPoint({4, 1});
    t->selection(0, &s, &e);
    EXPECT_EQ(t->text(s, e), whole.mid(s, e - s));
    EXPECT_EQ(t->text(s, e), QString::fromUtf8(E->GetSelText()).replace("\r\n", "\n"));
}

TEST_F(EditorScreenReader, EveryEditTellsWhatWentAndCameSoACopyOfTheTextStaysTheSame)
{
    SetLines({"alpha", "beta", "gamma"});
    AccessibleEventLog log;
    QString copy = Text()->text(0, -1);
    const auto edits = std::vector<std::function<void()>>{
        [&] { Caret(2, 1), Type("xy"); },
        [&] { Key(Qt::Key_Return); },
        [&] { Key(Qt::Key_Backspace); },
        [&] { Caret(0, 1), Key(Qt::Key_Backspace); },
        [&] { Select({3, 0}, {2, 2}), Key(Qt::Key_Delete); },
        [&] { E->InsertText("one\r\ntwo\r\n"); },
        [&] { E->AddUndoPoint(), Type("z"), E->AddUndoPoint(), E->Undo(); },
        [&] { Text(), QAccessible::queryAccessibleInterface(E)->editableTextInterface()->insertText(1, "A\nB"); },
        [&] { E->Lines().Assign({"new", "text"}); },
        [&] { E->Lines().Assign({"new", "text", "", ""}); },
        [&] { E->Lines().Assign({"", "text"}); },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE(i);
        log.Clear();
        edits[i]();
        QCoreApplication::processEvents();
        int told = 0;
        for (const std::string& ev : log.Of(E)) {
            const bool insert = ev.rfind("insert ", 0) == 0, remove = ev.rfind("remove ", 0) == 0;
            if (!insert && !remove) continue;
            ++told;
            const size_t space = ev.find(' ', 7);
            const int at = std::stoi(ev.substr(7, space - 7));
            const QString piece = QString::fromStdString(ev.substr(space + 1));
            if (insert) copy.insert(at, piece);
            else {
                EXPECT_EQ(copy.mid(at, piece.size()), piece);
                copy.remove(at, piece.size());
            }
        }
        EXPECT_GT(told, 0);
        // A line split is one line break put in, not the rest of the line read out again.
        if (i == 1) EXPECT_EQ(told, 1);
        EXPECT_EQ(copy, Text()->text(0, -1));
        EXPECT_EQ(copy, Joined(E->Lines().ToVector()));
        // The caret's last event is where it stands.
        const std::vector<std::string> all = log.Of(E);
        const auto caret = std::find_if(all.rbegin(), all.rend(), [](const std::string& ev) { return ev.rfind("caret", 0) == 0; });
        if (caret != all.rend()) EXPECT_EQ(*caret, "caret " + std::to_string(Text()->cursorPosition()));
    }
}

TEST_F(EditorScreenReader, TheCompletionListIsAListOfItsItemsWithTheHighlightedOneSelected)
{
    E->ShowListMenu({"body", "br", "div"});
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(E->ListMenu());
    ASSERT_TRUE(ReachableFrom(Host, E->ListMenu()));
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 3);
    E->ListMenu()->SendKey(Qt::Key_Down);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(FactsOf(list->child(i)).Name, (QStringList{"body", "br", "div"}[i]));
        EXPECT_EQ(list->child(i)->state().selected, i == 1);
    }
    E->ListMenu()->AppendFilterChar('b');
    E->ListMenu()->AppendFilterChar('r');
    EXPECT_EQ(list->childCount(), 1);
    EXPECT_EQ(FactsOf(list->child(0)).Name, "br");
    EXPECT_TRUE(list->child(0)->state().selected);
}

TEST_F(EditorScreenReader, TextPutInWhereASelectionStartsKeepsTheSelectedText)
{
    SetLines({"alpha", "beta"});
    E->SelectAll();
    QAccessible::queryAccessibleInterface(E)->editableTextInterface()->insertText(0, "one\n");
    EXPECT_EQ(Text()->text(0, -1), "one\nalpha\nbeta");
    E->SelectAll();
    Text()->removeSelection(0);
    EXPECT_EQ(Text()->selectionCount(), 0);
}
