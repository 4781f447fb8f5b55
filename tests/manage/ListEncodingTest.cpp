// Lists and projects written by editors that speak UTF-8, on real files through the real
// windows: drilled with typed answers, opened, edited and saved back in their own encoding;
// Windows-1252 files exactly as before, until they come to hold what Windows-1252 cannot.
#include "ManageFixture.h"
#include "Scripts.h"

#include "app/SelectorBox.h"
#include "controls/PanelCaption.h"
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"

#include <QStringDecoder>

#include <tuple>

namespace {
using Lines = std::vector<std::string>;
const std::string Bom = "\xef\xbb\xbf";

// German questions and their Swedish answers, in UTF-8 and in Windows-1252.
const std::string QuestionsUtf8 = "Pferd\r\nFleisch\r\nBoot\r\nElch\r\nB\xc3\xa4r\r\n";
const std::string AnswersUtf8 = "h\xc3\xa4st\r\nk\xc3\xb6tt\r\nb\xc3\xa5t\r\n\xc3\xa4lg\r\nbj\xc3\xb6rn\r\n";
const Lines Answers = {"h\xc3\xa4st", "k\xc3\xb6tt", "b\xc3\xa5t", "\xc3\xa4lg", "bj\xc3\xb6rn"};
const QString Typed[] = {QString::fromUtf8("häst"), QString::fromUtf8("kött"), QString::fromUtf8("båt"),
                         QString::fromUtf8("älg"), QString::fromUtf8("björn")};
// A Cyrillic line among Swedish ones.
const std::string RussianUtf8 = "h\xc3\xa4st\r\n\xd0\xbb\xd0\xbe\xd1\x88\xd0\xb0\xd0\xb4\xd1\x8c\r\nb\xc3\xa5t\r\n";

// The lines of Windows-1252 bytes, decoded by Qt's own converter.
Lines Ansi(const std::string& bytes)
{
    return SplitLines(QString(QStringDecoder("windows-1252").decode(QByteArray::fromStdString(bytes))).toStdString());
}

std::string AllHighBytes()
{
    std::string s;
    for (int b = 0x80; b <= 0xFF; ++b) {
        s += char(b);
        if (b % 16 == 15) s += "\r\n";
    }
    return s;
}

class ListEncoding : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        CreateWindows();
    }
    void ShowMain()
    {
        Main->show();
        QApplication::setActiveWindow(Main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    }
    void Execute(const std::string& questions, const std::string& answers)
    {
        Main->list1selector->SetText(questions);
        Main->list2selector->SetText(answers);
        QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    }
    void Answer(const QString& text)
    {
        QTest::keyClick(Drill->answer, Qt::Key_Escape); // empties the box
        TypeText(Drill->answer, text);
        QTest::keyClick(Drill->answer, Qt::Key_Return);
    }
    int Hands() const { return int(std::count(Sounds.Played.begin(), Sounds.Played.end(), "SystemHand")); }

    int Row(const std::string& name) const
    {
        for (int i = 0; i < Settings->ListList->count(); ++i)
            if (Settings->ListList->item(i)->text() == QString::fromUtf8(name)) return i;
        return -1;
    }
    void Click(const std::string& name)
    {
        const int row = Row(name);
        ASSERT_GE(row, 0) << name;
        QTest::mouseClick(Settings->ListList->viewport(), Qt::LeftButton, {}, RowCentre(Settings->ListList, row));
    }
    TTextEditorEx* Ed() const { return Settings->editor; }
    // The list open in the settings window, saved with Ctrl+S.
    void Save() { QTest::keyClick(Ed(), Qt::Key_S, Qt::ControlModifier); }
    bool NothingOpen() const
    {
        return !Ed()->isEnabled() && !Settings->btnSave->isEnabled() &&
               Settings->PanelCaption2->CaptionText() == "No list file selected." && Ed()->Lines().Count() == 1 &&
               Ed()->Lines()[0].empty();
    }
};
} // namespace

TEST_F(ListEncoding, TheStoreReadsUtf8AsItIsAndEveryOtherFileAsWindows1252)
{
    Base.Write("Lists/utf8.txt", AnswersUtf8);
    Base.Write("Lists/marked.txt", Bom + AnswersUtf8);
    Base.Write("Lists/lf.txt", Bom + "h\xc3\xa4st\nk\xc3\xb6tt\nb\xc3\xa5t\n\xc3\xa4lg\nbj\xc3\xb6rn");
    Base.Write("Lists/ansi.txt", "h\xe4st\r\nk\xf6tt\r\nb\xe5t\r\n\xe4lg\r\nbj\xf6rn\r\n");
    Base.Write("Lists/high.txt", AllHighBytes());
    Base.Write("Lists/mixed.txt", "h\xc3\xa4st\r\nh\xe4st\r\n");
    Base.Write("Lists/ascii.txt", "horse\r\nmeat\r\n");
    Base.Write("Lists/mark only.txt", Bom);
    Base.Write("Lists/mark and break.txt", Bom + "\r\n");
    Base.Write("Lists/mark then ansi.txt", Bom + "h\xe4st\r\n");
    Base.Write("Lists/nul.txt", std::string("h\xc3\xa4st\r\nx\0\xff", 10));

    EXPECT_EQ(LoadLines(ListFilePath("utf8")), Answers);
    EXPECT_EQ(LoadLines(ListFilePath("marked")), Answers) << "the mark is dropped";
    EXPECT_EQ(LoadLines(ListFilePath("lf")), Answers) << "the line rules hold for decoded text";
    EXPECT_EQ(LoadLines(ListFilePath("ansi")), Answers);
    EXPECT_EQ(LoadLines(ListFilePath("high")), Ansi(AllHighBytes()));
    EXPECT_EQ(LoadLines(ListFilePath("mixed")), Ansi("h\xc3\xa4st\r\nh\xe4st\r\n")) << "not UTF-8 throughout";
    EXPECT_EQ(LoadLines(ListFilePath("ascii")), (Lines{"horse", "meat"}));
    EXPECT_EQ(LoadLines(ListFilePath("mark only")), Lines{});
    EXPECT_EQ(LoadLines(ListFilePath("mark and break")), Lines{""});
    EXPECT_EQ(LoadLines(ListFilePath("mark then ansi")), Ansi(Bom + "h\xe4st")) << "as before: part of line 1";
    EXPECT_EQ(LoadLines(ListFilePath("nul")), (Lines{"h\xc3\xa4st", "x"})) << "nothing after the NUL counts";

    Base.Write("Lists/russian.txt", RussianUtf8);
    EXPECT_EQ(LoadLines(ListFilePath("russian")), SplitLines(RussianUtf8));

    // Lists larger than one piece of reading: UTF-8 so far, then a byte that is no UTF-8 far
    // in; Cyrillic, then such a byte; Cyrillic far in; U+FEFF first in a later piece, which is
    // no mark there.
    const std::string ascii(300 * 1024, 'a');
    for (const std::string& text : {"h\xc3\xa4st\r\n" + ascii + "\r\nh\xe4st\r\n", RussianUtf8 + ascii + "\r\nh\xe4st\r\n"}) {
        Base.Write("Lists/late ansi.txt", text);
        EXPECT_EQ(LoadLines(ListFilePath("late ansi")), Ansi(text));
    }
    for (const std::string& text : {"\xc3\xa5\r\n" + ascii + "\r\n" + RussianUtf8, std::string(512 * 1024, 'a') + "\xef\xbb\xbf\r\n",
                                    std::string(256 * 1024 - 2, 'a') + "\r\n\xef\xbb\xbf"}) {
        Base.Write("Lists/late utf8.txt", text);
        EXPECT_EQ(LoadLines(ListFilePath("late utf8")), SplitLines(text));
    }

    // A character cut by the end of a piece of reading, in UTF-8 and in Windows-1252.
    const std::string upToCut(256 * 1024 - 1, 'a');
    Base.Write("Lists/cut utf8.txt", upToCut + "\xc3\xa4st\r\n");
    EXPECT_EQ(LoadLines(ListFilePath("cut utf8")), Lines{upToCut + "\xc3\xa4st"});
    Base.Write("Lists/cut ansi.txt", upToCut + "\xe4st\r\n");
    EXPECT_EQ(LoadLines(ListFilePath("cut ansi")), Lines{upToCut + "\xc3\xa4st"});
    Base.Write("Lists/cut at the end.txt", "h\xc3\xa4st\r\n\xe2\x82");
    EXPECT_EQ(LoadLines(ListFilePath("cut at the end")), Ansi("h\xc3\xa4st\r\n\xe2\x82"));

    // A list larger than one piece of reading, with its first non-ASCII character far in.
    std::string big(600 * 1024, 'a');
    for (size_t i = 100; i < big.size(); i += 100) big[i] = '\n';
    Base.Write("Lists/big.txt", big + "\n\xc3\xa5\n" + big);
    const Lines lines = LoadLines(ListFilePath("big"));
    const size_t half = SplitLines(big).size();
    ASSERT_EQ(lines.size(), 2 * half + 1);
    EXPECT_EQ(lines[half], "\xc3\xa5");
}

TEST_F(ListEncoding, AUtf8ListWithAndWithoutTheMarkIsDrilledToItsEndWithTypedSwedishAnswers)
{
    ShowMain();
    for (const std::string& mark : {std::string(), Bom}) {
        SCOPED_TRACE(mark.empty() ? "without the mark" : "with the mark");
        Base.Write("Lists/Fragen.txt", mark + QuestionsUtf8);
        Base.Write("Lists/Svar.txt", mark + AnswersUtf8);
        Execute("Fragen", "Svar");
        ASSERT_TRUE(Drill->isVisible());
        EXPECT_EQ(Drill->lblN->text(), "5");
        EXPECT_EQ(Drill->lblQ->text(), "Pferd");

        // Exactly: no folding, no trimming, no lookalikes.
        const int before = Hands();
        for (const char* wrong : {"hast", "H\xc3\xa4st", "h\xc3\xa4st ", "h\xc3\xa4st."}) {
            Answer(QString::fromUtf8(wrong));
            EXPECT_EQ(Drill->lblQ->text(), "Pferd") << wrong;
        }
        EXPECT_EQ(Hands() - before, 4);
        EXPECT_EQ(Drill->lblE->text(), "1");

        for (int i = 0; i < 4; ++i) {
            Answer(Typed[i]);
            EXPECT_EQ(Drill->lblE->text(), "0") << i;
        }
        EXPECT_EQ(Drill->lblQ->text(), QString::fromUtf8("Bär")) << "the question shows its own letters";
        DialogScript script;
        script.Ok();
        Run(script, [&] { Answer(Typed[4]); });
        ASSERT_EQ(script.Seen.size(), 1u);
        EXPECT_EQ(script.Seen[0].Text, "You answered correctly on 5 questions of 5 possible.");
        EXPECT_EQ(Hands() - before, 4);
        // Nothing was written.
        EXPECT_EQ(Base.Read("Lists/Svar.txt"), mark + AnswersUtf8);
        EXPECT_EQ(Base.Read("Lists/Fragen.txt"), mark + QuestionsUtf8);
        Drill->close();
        ASSERT_TRUE(Main->isVisible());
    }
}

TEST_F(ListEncoding, AUtf8ProjectFileNamesListsWithSwedishLetters)
{
    Base.Write("Lists/Glosor p\xc3\xa5 tyska.txt", QuestionsUtf8);
    Base.Write("Lists/Glosor p\xc3\xa5 svenska.txt", AnswersUtf8);
    Base.Write("Projects/Tyska.rep", "Glosor p\xc3\xa5 tyska\nGlosor p\xc3\xa5 svenska\n");
    // A list whose name Windows-1252 cannot hold, in the folder and in a project.
    const std::string russian = "\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9";
    Base.Write("Lists/" + russian + ".txt", "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\n");
    Base.Write("Projects/Ryska.rep", Bom + "Glosor p\xc3\xa5 tyska\r\n" + russian + "\r\n");
    ShowMain();

    Main->projectSelector->SetText("Tyska");
    Main->ScanProjectFile();
    EXPECT_EQ(Main->list1selector->Text(), "Glosor p\xc3\xa5 tyska");
    EXPECT_EQ(Main->list2selector->Text(), "Glosor p\xc3\xa5 svenska");
    QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    ASSERT_TRUE(Drill->isVisible());
    EXPECT_EQ(Drill->lblList2->text(), QString::fromUtf8("Glosor på svenska"));
    EXPECT_EQ(Drill->lblQ->text(), "Pferd");
    Answer(Typed[0]);
    EXPECT_EQ(Drill->lblQ->text(), "Fleisch");
    Drill->close();

    Main->projectSelector->SetText("Ryska");
    Main->ScanProjectFile();
    EXPECT_EQ(Main->list1selector->Text(), "Glosor p\xc3\xa5 tyska") << "the mark is dropped";
    EXPECT_EQ(Main->list2selector->Text(), russian);
    QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    ASSERT_TRUE(Drill->isVisible()) << "the Cyrillic name leads to its list";
    Answer("one");
    EXPECT_EQ(Drill->lblQ->text(), "Fleisch");
    Drill->close();
}

TEST_F(ListEncoding, ACyrillicListIsDrilledAtExecuteAndLeftUntouched)
{
    Base.Write("Lists/Fragen.txt", "Pferd\r\nNacht\r\nBoot\r\n");
    Base.Write("Lists/ryska.txt", RussianUtf8);
    ShowMain();
    Execute("Fragen", "ryska");
    ASSERT_TRUE(Drill->isVisible());
    Answer(QString::fromUtf8("häst"));
    Answer(QString::fromUtf8("лошадь"));
    EXPECT_EQ(Drill->lblQ->text(), "Boot");
    EXPECT_EQ(Drill->lblE->text(), "0");
    Drill->close();
    EXPECT_EQ(Base.Read("Lists/ryska.txt"), RussianUtf8);
}

TEST_F(ListEncoding, AUtf8ListIsEditedAndSavedBackAsUtf8WithItsMark)
{
    for (const std::string& mark : {std::string(), Bom}) {
        SCOPED_TRACE(mark.empty() ? "without the mark" : "with the mark");
        Base.Write("Lists/svar.txt", mark + AnswersUtf8);
        OpenSettings();
        Click("svar");
        ASSERT_TRUE(Ed()->isEnabled());
        EXPECT_EQ(Ed()->Lines().ToVector(), Answers);

        // A line typed at the end, an undo point, undone and redone: still the list's encoding.
        QTest::keyClick(Ed(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(Ed(), Qt::Key_Return);
        TypeText(Ed(), QString::fromUtf8("räv €"));
        Ed()->AddUndoPoint();
        Ed()->Undo();
        EXPECT_EQ(Ed()->Lines().ToVector(), Answers);
        Ed()->Redo();
        Save();
        EXPECT_EQ(Base.Read("Lists/svar.txt"), mark + AnswersUtf8 + "r\xc3\xa4v \xe2\x82\xac\r\n");
        EXPECT_TRUE(NothingOpen()) << "Save closes the list";
        // And it reads back as it was typed.
        EXPECT_EQ(LoadLines(ListFilePath("svar")).back(), "r\xc3\xa4v \xe2\x82\xac");

        // Opened and saved without a change: the same bytes (CR LF line ends).
        Click("svar");
        Save();
        EXPECT_EQ(Base.Read("Lists/svar.txt"), mark + AnswersUtf8 + "r\xc3\xa4v \xe2\x82\xac\r\n");
        Settings->close();
    }
}

TEST_F(ListEncoding, Windows1252AndAsciiListsAreSavedByteForByteAndNewListsAreWindows1252)
{
    const std::string high = AllHighBytes();
    Base.Write("Lists/high.txt", high);
    Base.Write("Lists/ascii.txt", "horse\r\nmeat\r\n");
    Base.Write("Lists/utf8.txt", AnswersUtf8);
    OpenSettings();

    Click("high");
    EXPECT_EQ(Ed()->Lines().ToVector(), Ansi(high));
    Save();
    EXPECT_EQ(Base.Read("Lists/high.txt"), high);

    Click("high");
    QTest::keyClick(Ed(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(Ed(), Qt::Key_Return);
    TypeText(Ed(), QString::fromUtf8("räv"));
    Save();
    EXPECT_EQ(Base.Read("Lists/high.txt"), high + "r\xe4v\r\n") << "typed text in Windows-1252, as the list is";

    Click("ascii");
    QTest::keyClick(Ed(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(Ed(), Qt::Key_Return);
    TypeText(Ed(), "fish");
    Save();
    EXPECT_EQ(Base.Read("Lists/ascii.txt"), "horse\r\nmeat\r\nfish\r\n");

    // Typed text that would be taken for UTF-8 if written as Windows-1252 ("Ã¤" is the UTF-8 of
    // "ä") is written as UTF-8, so the list reads back as it was typed.
    Click("ascii");
    QTest::keyClick(Ed(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(Ed(), Qt::Key_Return);
    TypeText(Ed(), QString::fromUtf8("Ã¤"));
    DialogScript told;
    told.Ok();
    Run(told, [&] { Save(); });
    EXPECT_EQ(told.Seen.size(), 1u) << "the user is told the list is now UTF-8";
    EXPECT_EQ(Base.Read("Lists/ascii.txt"), "horse\r\nmeat\r\nfish\r\n\xc3\x83\xc2\xa4\r\n");
    EXPECT_EQ(LoadLines(ListFilePath("ascii")), (Lines{"horse", "meat", "fish", "\xc3\x83\xc2\xa4"}));

    // A new list after a UTF-8 one was open is the program's own: Windows-1252.
    Click("utf8");
    DialogScript script;
    script.Input("ny lista");
    Run(script, [&] { QTest::mouseClick(Settings->btnNew, Qt::LeftButton); });
    EXPECT_EQ(Base.Read("Lists/ny lista.txt"), "");
    TypeText(Ed(), QString::fromUtf8("älg"));
    Save();
    EXPECT_EQ(Base.Read("Lists/ny lista.txt"), "\xe4lg\r\n");
    EXPECT_EQ(Base.Read("Lists/utf8.txt"), AnswersUtf8);
}

// The editor on the table of scripts: on each line Right passes over the first user-perceived
// character, a Cyrillic letter is typed there, Left from the end passes over the last, and
// Backspace takes the one before it; then saved and read again.
TEST_F(ListEncoding, ListsInAnyScriptAreEditedByUserPerceivedCharactersAndSavedAsUtf8)
{
    std::string file;
    for (const TScriptItem& item : ScriptItems) file += std::string(item.InFile) + "\r\n";
    Base.Write("Lists/scripts.txt", file);
    const Lines edited = {"Å\u0436ngström caé", "Κ\u0436αλημέα", "С\u0436лоа", "単語", "한\u0436어",
                          "e\u0301\u0436e\u0301", "\u0436", "ك\u0436لة"};
    OpenSettings();
    Click("scripts");
    ASSERT_EQ(Ed()->Lines().Count(), int(edited.size()));
    for (int y = 0; y < int(edited.size()); ++y) {
        QTest::keyClick(Ed(), Qt::Key_Home);
        QTest::keyClick(Ed(), Qt::Key_Right);
        TypeText(Ed(), QString::fromUtf8("\u0436"));
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Backspace, Qt::Key_Down}) QTest::keyClick(Ed(), key);
    }
    Save();
    std::string want;
    for (const std::string& line : edited) want += line + "\r\n";
    EXPECT_EQ(Base.Read("Lists/scripts.txt"), want);
    EXPECT_EQ(LoadLines(ListFilePath("scripts")), edited);
}

TEST_F(ListEncoding, AWindows1252ListThatComesToHoldCyrillicIsSavedAsUtf8AndTheUserIsToldOnce)
{
    Base.Write("Lists/svenska.txt", "h\xe4st\r\n");
    OpenSettings();
    std::vector<TSeenDialog> seen;
    for (const char* typed : {"\u0436", "\u0434"}) {
        Click("svenska");
        QTest::keyClick(Ed(), Qt::Key_End);
        TypeText(Ed(), QString::fromUtf8(typed));
        DialogScript script; // answers a box if one comes
        script.Ok();
        Save();
        Reactivate(Settings.get());
        seen.insert(seen.end(), script.Seen.begin(), script.Seen.end());
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].Text.find("\"svenska\""), std::string::npos) << seen[0].Text;
    EXPECT_NE(seen[0].Text.find("UTF-8"), std::string::npos) << seen[0].Text;
    EXPECT_EQ(Base.Read("Lists/svenska.txt"), "h\xc3\xa4st\xd0\xb6\xd0\xb4\r\n");
}

// What an input method commits is typed as keys type it: over the selection, in the place of
// the text it names, one undo step with it, and saved as the list's own text.
TEST_F(ListEncoding, TextAnInputMethodCommitsIsOneUndoStepAndIsSaved)
{
    Base.Write("Lists/ord.txt", "inu ねこ\r\n");
    OpenSettings();
    Click("ord");
    for (const Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Left})
        QTest::keyClick(Ed(), key, key == Qt::Key_End ? Qt::NoModifier : Qt::ShiftModifier);
    Compose(Ed(), QString::fromUtf8("ねこ"));
    Compose(Ed(), {}, QString::fromUtf8("猫"));
    Compose(Ed(), {}, QString::fromUtf8("犬"), -5, 3);
    EXPECT_EQ(EditorText(Ed()), "犬 猫\r\n");
    TestServices().FakeClock.Advance(1000);
    QTest::keyClick(Ed(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(EditorText(Ed()), "inu ねこ\r\n");
    QTest::keyClick(Ed(), Qt::Key_Y, Qt::ControlModifier);
    Save();
    EXPECT_EQ(Base.Read("Lists/ord.txt"), "犬 猫\r\n");
}
