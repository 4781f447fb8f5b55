// Typing and the editing keys on the real editor: entities, closing partners, overwrite,
// Enter with indentation, Tab, Backspace and Delete in all their forms, read-only, and
// characters from outside Windows-1252.
#include "editor/EditorFixture.h"
#include "FakeServices.h"
#include "KeyTyping.h"

#include "platform/SystemCaret.h"

#include <random>

namespace {

class EditorTyping : public EditorInput {
protected:
    // The text is `lines` and the caret stands at `caret`.
    void ExpectText(const std::vector<std::string>& lines, TPoint caret, int line = __builtin_LINE())
    {
        EXPECT_EQ(Lines(), lines) << "checked at line " << line;
        EXPECT_EQ(CaretAt(), caret) << "checked at line " << line;
    }
    // What the incremental redraws left must be what a full repaint draws.
    void ExpectPixelsMatchFullRepaint(int line = __builtin_LINE())
    {
        const QImage drawn = E->BackingImage().copy();
        E->Repaint();
        const QImage full = E->BackingImage();
        int firstX = -1, firstY = -1, count = 0;
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x)
                if (drawn.pixel(x, y) != full.pixel(x, y)) {
                    if (count++ == 0) firstX = x, firstY = y;
                }
        EXPECT_EQ(count, 0) << "incremental redraw differs from a full repaint (checked at line " << line
                            << "), first at " << firstX << "," << firstY;
        if (count) drawn.save("/tmp/editor2_drawn.png"), full.save("/tmp/editor2_full.png");
    }
};

using L = std::vector<std::string>;

} // namespace

TEST_F(EditorTyping, PlainCharactersInsertAtTheCaret)
{
    SetLines({"ac"});
    Caret(1, 0);
    Type("b");
    ExpectText({"abc"}, {2, 0});
    Key(Qt::Key_End);
    Type("d");
    EXPECT_EQ(Lines(), (L{"abcd"}));
    ExpectPixelsMatchFullRepaint();
}

TEST_F(EditorTyping, AutoEncodeReplacesLettersAndSymbolsByEntities)
{
    SetLines({""});
    TypeChar(U'ä');
    EXPECT_EQ(Lines(), (L{"&auml;"}));
    TypeChar(U'Ä');
    TypeChar(U'©');
    TypeChar(U'ð');
    TypeChar(U'Ð');
    ExpectText({"&auml;&Auml;&copy;&eth;&ETH;"}, {28, 0});
    // A letter in neither table is typed as itself (ž is 0x9E).
    TypeChar(U'ž');
    EXPECT_EQ(Lines(), (L{"&auml;&Auml;&copy;&eth;&ETH;ž"}));
    // One Windows-1252 has no byte for becomes its numeric reference, beyond 16 bits too.
    TypeChar(U'Ж');
    TypeChar(U'\U0001F600');
    EXPECT_EQ(Lines(), (L{"&auml;&Auml;&copy;&eth;&ETH;ž&#1046;&#128512;"}));
    // With the option off, the letter itself.
    E->Settings().SetAutoEncode(false);
    TypeChar(U'ä');
    EXPECT_EQ(Lines()[0].substr(Lines()[0].size() - 2), "ä");
}

TEST_F(EditorTyping, AutoEncodeReplacesTheSelectionByTheEntity)
{
    SetLines({"one two three"});
    Select({4, 0}, {7, 0});
    TypeChar(U'é');
    ExpectText({"one &eacute; three"}, {12, 0});
    EXPECT_FALSE(E->HasSelection());
}

TEST_F(EditorTyping, AutoCloseQuotesAndBrackets)
{
    SetLines({"abcd"});
    Caret(2, 0);
    Type("(");
    ExpectText({"ab()cd"}, {3, 0});
    Type("[");
    Type("{");
    Type("\"");
    Type("'");
    EXPECT_EQ(Lines(), (L{"ab([{\"''\"}])cd"}));
    Type("<");
    EXPECT_EQ(Lines(), (L{"ab([{\"'<'\"}])cd"}));
    ExpectPixelsMatchFullRepaint();
}

TEST_F(EditorTyping, OverwriteModeReplacesButAppendsAtTheLineEnd)
{
    SetLines({"abc"});
    E->Settings().SetAutoCloseQts(false);
    int modeChanges = 0;
    E->OnCaretModeChange = [&](QObject* sender) {
        EXPECT_EQ(sender, E);
        ++modeChanges;
    };
    Key(Qt::Key_Insert);
    EXPECT_TRUE(E->Settings().OverwriteMode());
    EXPECT_EQ(modeChanges, 1);
    Caret(1, 0);
    Type("X");
    EXPECT_EQ(Lines(), (L{"aXc"}));
    Key(Qt::Key_End);
    Type("d");
    EXPECT_EQ(Lines(), (L{"aXcd"}));
    Key(Qt::Key_Insert);
    EXPECT_FALSE(E->Settings().OverwriteMode());
    EXPECT_EQ(modeChanges, 2);
    // Assigning the property raises no event.
    E->Settings().SetOverwriteMode(true);
    EXPECT_EQ(modeChanges, 2);
}

TEST_F(EditorTyping, EnterWithAutoIndentCopiesLeadingSpaces)
{
    SetLines({"    foo", "next"});
    Caret(6, 0);
    Key(Qt::Key_Return);
    ExpectText({"    fo", "    o", "next"}, {4, 1});
    ExpectPixelsMatchFullRepaint();
    // At the end of a line: a new line with the indentation only.
    Key(Qt::Key_End);
    Key(Qt::Key_Enter);
    ExpectText({"    fo", "    o", "    ", "next"}, {4, 2});
    ExpectPixelsMatchFullRepaint();
    // Tabs are not indentation; without AutoIndent nothing is copied.
    SetLines({"\tx"});
    Key(Qt::Key_End);
    Key(Qt::Key_Return);
    EXPECT_EQ(Lines(), (L{"\tx", ""}));
    E->Settings().SetAutoIndent(false);
    SetLines({"  ab"});
    Caret(3, 0);
    Key(Qt::Key_Return);
    ExpectText({"  a", "b"}, {0, 1});
}

TEST_F(EditorTyping, EnterReplacesTheSelection)
{
    SetLines({"abcdef"});
    Select({1, 0}, {4, 0});
    Key(Qt::Key_Return);
    ExpectText({"a", "ef"}, {0, 1});
}

TEST_F(EditorTyping, TabTypesSpacesSeenByTheHost)
{
    SetLines({"x"});
    std::string seen;
    E->OnKeyPress = [&](QObject*, char& c) { seen += c; };
    Key(Qt::Key_Tab);
    ExpectText({"    x"}, {4, 0});
    EXPECT_EQ(seen, std::string("    \t"));
    // Shift+Tab is Tab too, and a Tab does not move the focus away.
    E->Settings().SetTabLength(2);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Lines(), (L{"      x"}));
    EXPECT_TRUE(E->hasFocus());
    E->Settings().SetTabLength(0);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Lines(), (L{"      x"}));
}

TEST_F(EditorTyping, BackspaceUnindentsByTabLength)
{
    SetLines({"        x"});
    Caret(8, 0);
    Key(Qt::Key_Backspace);
    ExpectText({"    x"}, {4, 0});
    SetLines({"        x"});
    Caret(7, 0);
    Key(Qt::Key_Backspace);
    ExpectText({"       x"}, {6, 0});
    ExpectPixelsMatchFullRepaint();
    // Not all spaces before the caret: one character.
    SetLines({"   a    "});
    Caret(8, 0);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Lines(), (L{"   a   "}));
}

TEST_F(EditorTyping, BackspaceRemovesAWholeEntity)
{
    SetLines({"a &amp;"});
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    ExpectText({"a "}, {2, 0});
    SetLines({"x & y;"});
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Lines(), (L{"x "}));
    // Ctrl+Backspace takes the entity first too.
    SetLines({"word &lt;"});
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(Lines(), (L{"word "}));
    ExpectPixelsMatchFullRepaint();
}

TEST_F(EditorTyping, BackspaceAtTheLineEndAndAcrossLines)
{
    SetLines({"ab", "cd"});
    Caret(2, 0);
    Key(Qt::Key_Backspace);
    ExpectText({"a", "cd"}, {1, 0});
    ExpectPixelsMatchFullRepaint();
    Caret(0, 1);
    Key(Qt::Key_Backspace);
    ExpectText({"acd"}, {1, 0});
    ExpectPixelsMatchFullRepaint();
    Caret(0, 0);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Lines(), (L{"acd"}));
    // With a selection, Backspace deletes it and nothing else.
    SetLines({"hello world"});
    Select({2, 0}, {8, 0});
    Key(Qt::Key_Backspace);
    ExpectText({"herld"}, {2, 0});
}

TEST_F(EditorTyping, DeleteRemovesAtTheCaretAndJoinsLines)
{
    SetLines({"abc", "def"});
    Caret(1, 0);
    int selChanges = 0;
    E->OnSelChange = [&](QObject*) { ++selChanges; };
    Key(Qt::Key_Delete);
    EXPECT_EQ(Lines(), (L{"ac", "def"}));
    EXPECT_EQ(selChanges, 0);
    Key(Qt::Key_End);
    Key(Qt::Key_Delete);
    ExpectText({"acdef"}, {2, 0});
    ExpectPixelsMatchFullRepaint();
    Key(Qt::Key_End);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Lines(), (L{"acdef"}));
    // A selection across lines goes in one stroke.
    SetLines({"one", "two", "three"});
    Select({1, 0}, {2, 2});
    Key(Qt::Key_Delete);
    ExpectText({"oree"}, {1, 0});
    EXPECT_FALSE(E->HasSelection());
    ExpectPixelsMatchFullRepaint();
}

TEST_F(EditorTyping, WordWiseDeletion)
{
    SetLines({"foo bar baz"});
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace, Qt::ControlModifier);
    ExpectText({"foo bar "}, {8, 0});
    Caret(0, 0);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    ExpectText({" bar "}, {0, 0});
    // At column 0 Ctrl+Backspace leaves the line above alone.
    SetLines({"above", "below"});
    Caret(0, 1);
    Key(Qt::Key_Backspace, Qt::ControlModifier);
    ExpectText({"above", "below"}, {0, 1});
    // At a line's end Ctrl+Delete finds its word on the next line and does nothing.
    Caret(5, 0);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Lines(), (L{"above", "below"}));
}

TEST_F(EditorTyping, CtrlTypesNothingWhileAltGrTypes)
{
    SetLines({""});
    E->Settings().SetAutoCloseQts(false);
    Key(Qt::Key_A, Qt::ControlModifier);
    TypeChar(U'q', Qt::ControlModifier);
    EXPECT_EQ(Lines(), (L{""}));
    TypeChar(U'@', Qt::ControlModifier | Qt::AltModifier);
    TypeChar(U'{', Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Lines(), (L{"@{"}));
    // Alt alone types too.
    TypeChar(U'x', Qt::AltModifier);
    EXPECT_EQ(Lines(), (L{"@{x"}));
}

TEST_F(EditorTyping, CharactersOfAnyScriptAreTypedAsThemselves)
{
    SetLines({"ab"});
    Caret(1, 0);
    E->Settings().SetAutoEncode(false);
    std::string seen;
    E->OnKeyPress = [&](QObject*, char& c) { seen += c; };
    TypeChar(U'ł');        // Polish l with stroke: itself, never a plain "l"
    TypeChar(U'→');
    TypeChar(U'\U0001F600'); // outside the basic plane
    TypeChar(U'€');
    TypeChar(U'Ÿ');
    ExpectText({"ał→\U0001F600€Ÿb"}, {6, 0});
    EXPECT_EQ(seen, "") << "the host sees the keys of ASCII only";
}

TEST_F(EditorTyping, ReadOnlyChangesNothing)
{
    SetLines({"    text", "more"});
    E->Settings().SetReadOnly(true);
    Caret(4, 0);
    Type("x");
    TypeChar(U'ä');
    Key(Qt::Key_Return);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Backspace, Qt::ControlModifier);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    Compose(E, {}, "x", -2, 2);
    Select({0, 0}, {2, 1});
    EXPECT_FALSE(E->DeleteSelection());
    EXPECT_EQ(Lines(), (L{"    text", "more"}));
    // Moving and selecting still work.
    Caret(4, 0);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(E->GetSelText(), "t");
}

TEST_F(EditorTyping, ShiftedCharacterDoesNotExtendASelection)
{
    SetLines({"abcdef"});
    Select({1, 0}, {3, 0});
    TestServices().FakeKeys.Held = Qt::ShiftModifier;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::ShiftModifier, "X");
    QApplication::sendEvent(E, &press);
    TestServices().FakeKeys.Held = std::nullopt;
    ExpectText({"aXdef"}, {2, 0});
    EXPECT_FALSE(E->HasSelection());
}

TEST_F(EditorTyping, DeleteSelectionAnswersWhetherItDeleted)
{
    SetLines({"one", "two"});
    EXPECT_FALSE(E->DeleteSelection());
    Select({2, 1}, {1, 0}); // the selection end before the caret
    EXPECT_TRUE(E->DeleteSelection());
    ExpectText({"oo"}, {1, 0});
    EXPECT_EQ(SelEndAt(), (TPoint{1, 0}));
}

TEST_F(EditorTyping, DeletingWithShiftHeldLeavesNoSelectionPastTheText)
{
    SetLines({"one", "two", "three"});
    Select({1, 0}, {5, 2});
    TestServices().FakeKeys.Held = Qt::ShiftModifier;
    EXPECT_TRUE(E->DeleteSelection());
    TestServices().FakeKeys.Held = std::nullopt;
    EXPECT_EQ(Lines(), (L{"o"}));
    EXPECT_EQ(SelEndAt(), (TPoint{1, 0}));
    EXPECT_EQ(E->GetSelText(), "");
}

TEST_F(EditorTyping, EnterOnALineScrolledAboveTheScreenShowsEveryLineRight)
{
    L lines;
    for (int i = 0; i < 60; ++i) lines.push_back("line " + std::to_string(i));
    SetLines(lines);
    Caret(3, 2);
    E->SetScrollPoint({0, 6});
    Key(Qt::Key_Return);
    ExpectPixelsMatchFullRepaint();
}

// What an input method composes shows at the caret, underlined, over the text's picture and
// never in the text; once committed it is typed and the screen shows the text alone again.
TEST_F(EditorTyping, ComposedTextShowsAtTheCaretAndOnlyItsCommitEntersTheText)
{
    SetLines({"ab", "cd"});
    E->MarkSaved();
    Caret(1, 1);
    const int x = E->CharWidth(), y = E->LineHeight(), h = E->LineHeight();
    Compose(E, "nihon");
    const QImage shown = E->View()->grab().toImage();
    const QImage text = E->BackingImage();
    EXPECT_EQ(DifferentPixels(shown, text, QRect(x, y, text.width() - x, h)), 0) << "only from the caret on";
    const TColor ink = ColorToRGB(E->Font().Color);
    bool underlined = false;
    for (int row = y + h / 2; row < y + h && !underlined; ++row) {
        underlined = true;
        for (int col = x + 1; col < x + 4 * (x - 1); ++col) underlined &= FromQColor(shown.pixelColor(col, row)) == ink;
    }
    EXPECT_TRUE(underlined);
    EXPECT_EQ(Lines(), (L{"ab", "cd"}));
    EXPECT_FALSE(E->Modified());

    Compose(E, {}, QString::fromUtf8("日本"));
    EXPECT_EQ(Lines(), (L{"ab", "c&#26085;&#26412;d"})) << "typed as keys type it";
    const QRect caret(SystemCaret::Pos(), SystemCaret::Size());
    EXPECT_EQ(DifferentPixels(E->View()->grab().toImage(), E->BackingImage(), caret), 0);
}

// An input method reads the caret's line around the caret in UTF-16 units and places its
// candidates at the caret.
TEST_F(EditorTyping, InputMethodsReadTheCaretsLineAndFindTheCaret)
{
    SetLines({"x", "a\U0001F600b c"});
    Select({3, 1}, {1, 1});
    EXPECT_EQ(E->inputMethodQuery(Qt::ImSurroundingText).toString(), QString::fromUtf8("a\U0001F600b c"));
    EXPECT_EQ(E->inputMethodQuery(Qt::ImCursorPosition).toInt(), 4);
    EXPECT_EQ(E->inputMethodQuery(Qt::ImAnchorPosition).toInt(), 1);
    EXPECT_EQ(E->inputMethodQuery(Qt::ImCurrentSelection).toString(), QString::fromUtf8("\U0001F600b"));
    EXPECT_EQ(E->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft(), E->View()->mapTo(E, SystemCaret::Pos()));
}

// Characters of two cells and of none beside one-cell ones: typed, deleted, passed over and
// scrolled past, the picture drawn piece by piece is the one drawn whole.
TEST_F(EditorTyping, WideAndCombinedCharactersEditedAndScrolledShowAsInAFullRepaint)
{
    const char* parts[] = {"ab", "\u4e2d\u6587", "e\u0301", "\u0436", "\U0001F469\u200D\U0001F467", "\ud55c", " x"};
    const char32_t typed[] = {'a', 0x4e2d, 0x301, 0x436, 0x1F469, 0x200D};
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_Backspace, Qt::Key_Delete};
    std::mt19937 rng(3);
    std::vector<std::string> lines(40);
    for (std::string& l : lines)
        for (int k = int(rng() % 30); k > 0; --k) l += parts[rng() % 7];
    SetLines(lines);
    for (int step = 0; step < 300 && !HasFailure(); ++step) {
        if (const int kind = int(rng() % 3); kind == 0) TypeChar(typed[rng() % 6]);
        else if (kind == 1) Key(keys[rng() % 8], rng() % 3 ? Qt::NoModifier : Qt::ShiftModifier);
        else E->ScrollBy(int(rng() % 9) - 4, int(rng() % 5) - 2);
        ExpectPixelsMatchFullRepaint();
    }
}
