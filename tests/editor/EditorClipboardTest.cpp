// Whole-text operations, the selection as offsets and text, and the real clipboard as 8-bit
// text, on the real editor.
#include "editor/EditorFixture.h"
#include "WriteFaults.h"

#include "TempFolder.h"
#include "platform/Files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using EditorText = EditorInput;
using L = std::vector<std::string>;

TEST_F(EditorText, SelectAllSelectsEverythingWithoutScrolling)
{
    E->Clear();
    E->SelectAll();
    EXPECT_FALSE(E->HasSelection());
    SetLines({"only line"});
    E->SelectAll();
    EXPECT_EQ(E->GetSelText(), "only line");
    std::vector<std::string> lines(100, "row");
    SetLines(lines);
    Caret(0, 50);
    const TPoint scroll = E->GetScrollPoint();
    ASSERT_GT(scroll.Y, 0);
    E->SelectAll();
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{3, 99}));
    EXPECT_EQ(E->GetScrollPoint(), scroll);
    EXPECT_FALSE(E->ViewState().NoAutoScroll);
    EXPECT_EQ(E->SelLength(), 100 * 5 - 2);
}

TEST_F(EditorText, SelectedTextAndOffsets)
{
    SetLines({"abc", "defg", "hi"});
    Select({3, 0}, {0, 1});
    EXPECT_EQ(E->GetSelText(), "\r\n");
    EXPECT_EQ(E->SelStart(), 3);
    EXPECT_EQ(E->SelLength(), 2);
    Select({2, 2}, {1, 0}); // backwards: the start is the earlier end
    EXPECT_EQ(E->SelStart(), 1);
    EXPECT_EQ(E->SelLength(), (3 - 1 + 2) + (4 + 2) + 2);
    EXPECT_EQ(E->GetSelText(), "bc\r\ndefg\r\nhi");
}

TEST_F(EditorText, SettingSelStartCollapsesThere)
{
    SetLines({"abc", "defg", "hi"});
    E->SetSelStart(5);
    EXPECT_EQ(CaretAt(), (TPoint{0, 1}));
    EXPECT_FALSE(E->HasSelection());
    E->SetSelStart(4); // between CR and LF: the end of the line
    EXPECT_EQ(CaretAt(), (TPoint{3, 0}));
    E->SetSelStart(13); // the end of the last line
    EXPECT_EQ(CaretAt(), (TPoint{2, 2}));
    E->SetSelStart(14);
    E->SetSelStart(-1);
    EXPECT_EQ(CaretAt(), (TPoint{2, 2}));
    // With the caret already there, a selection still collapses.
    Select({1, 0}, {3, 1});
    E->SetSelStart(1);
    EXPECT_FALSE(E->HasSelection());
    EXPECT_EQ(CaretAt(), (TPoint{1, 0}));
}

TEST_F(EditorText, SelLengthCoveringTheLineBreakEndsAtTheNextLineStart)
{
    SetLines({"abc", "defg", "hi"});
    Caret(3, 0);
    E->SetSelLength(2);
    EXPECT_EQ(SelEndAt(), (TPoint{0, 1}));
    EXPECT_EQ(E->GetSelText(), "\r\n");
    E->SetSelLength(1); // inside the break: the end of the line
    EXPECT_EQ(SelEndAt(), (TPoint{3, 0}));
    Caret(2, 1);
    E->SetSelLength(-5);
    EXPECT_EQ(SelEndAt(), (TPoint{2, 0}));
    EXPECT_EQ(E->SelLength(), 5);
    E->SetSelLength(100); // outside the text: unchanged
    EXPECT_EQ(SelEndAt(), (TPoint{2, 0}));
    EXPECT_EQ(CaretAt(), (TPoint{2, 1}));
}

TEST_F(EditorText, InsertTextReplacesTheSelectionAndPlacesTheCaretAfter)
{
    SetLines({"hello world"});
    Select({6, 0}, {11, 0});
    E->InsertText("there");
    EXPECT_EQ(Lines(), (L{"hello there"}));
    EXPECT_EQ(CaretAt(), (TPoint{11, 0}));
    Caret(5, 0);
    E->InsertText(",\r\nnew\r\nlines");
    EXPECT_EQ(Lines(), (L{"hello,", "new", "lines there"}));
    EXPECT_EQ(CaretAt(), (TPoint{5, 2}));
    const QImage drawn = E->BackingImage().copy();
    E->Repaint();
    EXPECT_TRUE(drawn == E->BackingImage());
}

TEST_F(EditorText, PastingTextEndingInABreakSplitsTheLine)
{
    SetLines({"abcd"});
    Caret(2, 0);
    QGuiApplication::clipboard()->setText("x\r\n");
    E->PasteFromClipboard();
    EXPECT_EQ(Lines(), (L{"abx", "cd"}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 1}));
    // A final lone LF is a line break as well, and a lone LF counts as one break.
    SetLines({"abcd"});
    Caret(2, 0);
    QGuiApplication::clipboard()->setText("1\n2\n");
    E->PasteFromClipboard();
    EXPECT_EQ(Lines(), (L{"ab1", "2", "cd"}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 2}));
}

TEST_F(EditorText, PastedCharactersOfAnyScriptComeInAsThemselves)
{
    SetLines({""});
    QGuiApplication::clipboard()->setText(QString::fromUtf8("a\u2192b \u0142\u00e9\u20ac"));
    E->PasteFromClipboard();
    EXPECT_EQ(Lines(), (L{"a\u2192b \u0142\u00e9\u20ac"}));
    EXPECT_EQ(CaretAt(), (TPoint{7, 0}));
}

TEST_F(EditorText, CutCopyAndPasteOnTheRealClipboard)
{
    SetLines({"one two", "three"});
    Select({4, 0}, {2, 1});
    E->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("two\r\nth"));
    E->CutToClipboard();
    EXPECT_EQ(Lines(), (L{"one ree"}));
    EXPECT_EQ(CaretAt(), (TPoint{4, 0}));
    Key(Qt::Key_End);
    E->PasteFromClipboard();
    EXPECT_EQ(Lines(), (L{"one reetwo", "th"}));
    EXPECT_EQ(CaretAt(), (TPoint{2, 1}));
    // Without a selection, cut and copy leave the clipboard alone.
    E->CopyToClipboard();
    E->CutToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("two\r\nth"));
    // An 8-bit character goes out as its Unicode character.
    SetLines({"café"});
    E->SelectAll();
    E->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("caf\u00e9"));
}

TEST_F(EditorText, ClipboardInAReadOnlyEditor)
{
    SetLines({"read only"});
    E->Settings().SetReadOnly(true);
    Select({0, 0}, {4, 0});
    QGuiApplication::clipboard()->setText("before");
    E->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("read"));
    QGuiApplication::clipboard()->setText("before");
    E->CutToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("before"));
    EXPECT_EQ(Lines(), (L{"read only"}));
    E->PasteFromClipboard();
    EXPECT_EQ(Lines(), (L{"read only"}));
    E->InsertText("x");
    EXPECT_EQ(Lines(), (L{"read only"}));
}

TEST_F(EditorText, PasteWithoutTextOnTheClipboardDoesNothing)
{
    SetLines({"keep"});
    auto* data = new QMimeData;
    data->setData("application/octet-stream", QByteArray("\x01\x02", 2));
    QGuiApplication::clipboard()->setMimeData(data);
    E->PasteFromClipboard();
    EXPECT_EQ(Lines(), (L{"keep"}));
}

TEST_F(EditorText, LoadFollowsTheLineRules)
{
    TempFolder dir;
    dir.Write("mixed.txt", std::string("one\r\ntwo\rthree\nfour\n\rfive\r\n") + std::string("\0after", 6));
    int changes = 0;
    E->OnChange = [&](QObject*) { ++changes; };
    E->LoadFromFile(dir / "mixed.txt");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Lines(), (L{"one", "two", "three", "four", "", "five"}));
    dir.Write("empty.txt", "");
    E->LoadFromFile(dir / "empty.txt");
    EXPECT_EQ(Lines(), (L{""}));
    dir.Write("ansi.txt", "\xE5\xE4\xF6\r\n");
    E->LoadFromFile(dir / "ansi.txt");
    EXPECT_EQ(Lines(), (L{"åäö"}));
}

TEST_F(EditorText, FailedLoadLeavesTheTextAndCaret)
{
    TempFolder dir;
    SetLines({"unchanged", "text"});
    Caret(3, 1);
    EXPECT_THROW(E->LoadFromFile(dir / "missing.txt"), EFOpenError);
    dir.MakeDir("folder.txt");
    EXPECT_THROW(E->LoadFromFile(dir / "folder.txt"), EFOpenError);
    EXPECT_EQ(Lines(), (L{"unchanged", "text"}));
    EXPECT_EQ(CaretAt(), (TPoint{3, 1}));
}

TEST_F(EditorText, LoadWithTheCaretAtTheStartKeepsTheSelectionEndInsideTheText)
{
    TempFolder dir;
    dir.Write("short.txt", "ab\r\n");
    SetLines({"a long first line", "second", "third"});
    Select({0, 0}, {4, 2});
    E->LoadFromFile(dir / "short.txt");
    EXPECT_EQ(Lines(), (L{"ab"}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{2, 0}));
    EXPECT_EQ(E->GetSelText(), "ab");
}

TEST_F(EditorText, SaveWritesEveryLineWithABreak)
{
    TempFolder dir;
    SetLines({"first", "", "café"});
    E->SaveToFile(dir / "out.txt");
    EXPECT_EQ(dir.Read("out.txt"), "first\r\n\r\ncaf\xE9\r\n");
    E->Clear();
    E->SaveToFile(dir / "out.txt");
    EXPECT_EQ(dir.Read("out.txt"), "\r\n");
}

TEST_F(EditorText, FailedSaveLeavesTheOldFileWhole)
{
    TempFolder dir;
    dir.Write("list.txt", "old one\r\nold two\r\n");
    std::vector<std::string> lines(1000, "a new line that is long enough to fail part-way");
    SetLines(lines);
    FailWritesAfter(100);
    EXPECT_THROW(E->SaveToFile(dir / "list.txt"), EFCreateError);
    FailWritesAfter(-1);
    EXPECT_EQ(dir.Read("list.txt"), "old one\r\nold two\r\n");
    // Saving into a missing folder fails too, and says so.
    EXPECT_THROW(E->SaveToFile(dir / "no/such/folder/list.txt"), EFileError);
}

TEST_F(EditorText, ClearLeavesOneEmptyLineAndTheCaretAtTheStart)
{
    SetLines({"some", "text"});
    Select({1, 0}, {2, 1});
    int selChanges = 0;
    E->OnSelChange = [&](QObject*) { ++selChanges; };
    E->Clear();
    EXPECT_EQ(Lines(), (L{""}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{0, 0}));
    EXPECT_GT(selChanges, 0);
}

TEST_F(EditorText, SelLengthAgreesWithAbsoluteOffsetsEverywhere)
{
    const L lines{"ab", "", "cde", "f"};
    SetLines(lines);
    // Every offset of the text and the position it stands for.
    std::vector<TPoint> at;
    for (int y = 0; y < int(lines.size()); ++y) {
        for (int x = 0; x <= int(lines[size_t(y)].size()); ++x) at.push_back({x, y});
        if (y + 1 < int(lines.size())) at.push_back({int(lines[size_t(y)].size()), y}); // inside the break
    }
    ASSERT_EQ(int(at.size()), 13); // "ab\r\n\r\ncde\r\nf": offsets 0 to 12
    for (int from = 0; from < int(at.size()); ++from) {
        // A caret inside a break cannot exist; start only from real positions.
        if (from > 0 && at[size_t(from)] == at[size_t(from - 1)]) continue;
        for (int n = -20; n <= 20; ++n) {
            Caret(at[size_t(from)].X, at[size_t(from)].Y);
            E->SetSelEndPoint({1, 0});
            E->SetSelEndPoint({0, 0});
            const TPoint before = SelEndAt();
            E->SetSelLength(n);
            const int target = from + n;
            const TPoint expected = target >= 0 && target < int(at.size()) ? at[size_t(target)] : before;
            EXPECT_EQ(SelEndAt(), expected) << "from offset " << from << " by " << n;
        }
    }
}

TEST_F(EditorText, SelStartAgreesWithAbsoluteOffsetsEverywhere)
{
    SetLines({"ab", "", "cde", "f"});
    const std::vector<TPoint> at{{0, 0}, {1, 0}, {2, 0}, {2, 0}, {0, 1}, {0, 1}, {0, 2},
                                 {1, 2}, {2, 2}, {3, 2}, {3, 2}, {0, 3}, {1, 3}};
    for (int n = -3; n <= 16; ++n) {
        Caret(1, 2);
        E->SetSelStart(n);
        const TPoint expected = n >= 0 && n < int(at.size()) ? at[size_t(n)] : TPoint{1, 2};
        EXPECT_EQ(CaretAt(), expected) << "offset " << n;
        EXPECT_FALSE(E->HasSelection());
        if (n >= 0 && n < int(at.size()) && at[size_t(n)] != (n > 0 ? at[size_t(n - 1)] : TPoint{-1, -1}))
            EXPECT_EQ(E->SelStart(), n);
    }
}
