// The list and project files, their writes made to fail at every byte of a small file and at a
// spread of bytes of a 1 MB one: after each failure the old file is whole, nothing is left
// beside it, and the user was told.
#include "ManageFixture.h"
#include "WriteFaults.h"

#include "platform/Files.h"
#include "platform/Win1252.h"

#include <QMenu>

#include <algorithm>
#include <cstdio>

namespace {
// A list of about `bytes` bytes, different from line to line.
std::string BigList(size_t bytes)
{
    std::string s;
    for (int i = 0; s.size() < bytes; ++i) s += "item " + std::to_string(i) + " with some text to pad it\r\n";
    return s;
}

int gInjected = 0; // failures tried, printed at the end for the record

class FailedWrites : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        CreateWindowsOver({{"Lists/alpha.txt", "one\r\ntwo\r\nthree\r\n"}, {"Lists/beta.txt", "uno\r\ndos\r\n"},
                           {"Projects/Geo.rep", "old questions\r\nold answers\r\n"}});
    }
    void TearDown() override
    {
        FailWritesAfter(-1);
        ManageWindows::TearDown();
    }
    static void TearDownTestSuite() { std::printf("[ injected ] %d failed writes\n", gInjected); }

    void Click(const std::string& name)
    {
        for (int i = 0; i < Settings->ListList->count(); ++i)
            if (Settings->ListList->item(i)->text().toStdString() == name) {
                QTest::mouseClick(Settings->ListList->viewport(), Qt::LeftButton, {},
                                  RowCentre(Settings->ListList, i));
                return;
            }
        FAIL() << "no list " << name;
    }

    // Saves the open list with the write failing at each offset, then for real.
    void SaveFailingAtEveryOffset(const std::string& name, const std::string& oldBytes)
    {
        const std::string file = "Lists/" + name + ".txt";
        const std::string edited = EditorText(Settings->editor);
        const std::string written = Windows1252(edited); // the lists here are Windows-1252
        const std::set<std::string> before = FolderEntries(Base / "Lists");
        for (const long long offset : FailureOffsets(written.size())) {
            FailWritesAfter(offset);
            DialogScript script;
            script.Ok();
            Run(script, [&] { QTest::keyClick(Settings->editor, Qt::Key_S, Qt::ControlModifier); });
            ++gInjected;
            ASSERT_EQ(script.Seen.size(), 1u) << "offset " << offset;
            // The general error report, naming the file and the system's reason.
            EXPECT_EQ(script.Seen[0].Kind, "MessageBox");
            EXPECT_NE(script.Seen[0].Text.find(name + ".txt"), std::string::npos) << script.Seen[0].Text;
            ASSERT_TRUE(Base.Read(file) == oldBytes) << "offset " << offset;
            ASSERT_EQ(FolderEntries(Base / "Lists"), before) << "offset " << offset;
            // The list stays open with the user's text.
            ASSERT_TRUE(Settings->btnSave->isEnabled());
            ASSERT_TRUE(EditorText(Settings->editor) == edited) << "offset " << offset;
        }
        FailWritesAfter(-1);
        QTest::keyClick(Settings->editor, Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(Base.Read(file) == written);
        EXPECT_EQ(FolderEntries(Base / "Lists"), before);
    }
};
} // namespace

TEST_F(FailedWrites, ListSavedFromTheSettingsWindowAtEveryByte)
{
    OpenSettings();
    Click("alpha");
    QTest::keyClick(Settings->editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(Settings->editor, Qt::Key_Return);
    QTest::keyClicks(Settings->editor, "four");
    QTest::keyClick(Settings->editor, Qt::Key_Return);
    TypeText(Settings->editor, QString::fromUtf8("five åäö"));
    ASSERT_EQ(EditorText(Settings->editor), "one\r\ntwo\r\nthree\r\nfour\r\nfive \xc3\xa5\xc3\xa4\xc3\xb6\r\n");
    SaveFailingAtEveryOffset("alpha", "one\r\ntwo\r\nthree\r\n");
}

TEST_F(FailedWrites, MegabyteListSavedFromTheSettingsWindow)
{
    const std::string big = BigList(1 << 20);
    Base.Write("Lists/big.txt", big);
    OpenSettings();
    Click("big");
    ASSERT_EQ(Settings->editor->Lines().Count(), int(std::count(big.begin(), big.end(), '\n')));
    QTest::keyClicks(Settings->editor, "changed ");
    SaveFailingAtEveryOffset("big", big);
}

TEST_F(FailedWrites, EditorSaveAtEveryByteOfSmallAndMegabyteTexts)
{
    TTextEditorEx* editor = Settings->editor;
    for (const std::string& old : {std::string("old\r\n"), BigList(1 << 20)}) {
        // The editor holds the new text (loaded from a file beside), the target the old one.
        Base.Write("new.txt", old.size() > 100 ? "new first line\r\n" + old : "x\ry\nz\r\n\r\n a b c \r\n");
        editor->LoadFromFile(Base / "new.txt");
        Base.Write("Lists/edited.txt", old);
        const std::set<std::string> before = FolderEntries(Base / "Lists");
        const std::string expected = EditorText(editor);
        for (const long long offset : FailureOffsets(expected.size())) {
            FailWritesAfter(offset);
            try {
                editor->SaveToFile(Base / "Lists/edited.txt");
                FAIL() << "a save failing at " << offset << " reported success";
            } catch (const EFCreateError& e) {
                EXPECT_NE(std::string(e.what()).find("edited.txt"), std::string::npos) << e.what();
            }
            ++gInjected;
            ASSERT_TRUE(Base.Read("Lists/edited.txt") == old) << "offset " << offset;
            ASSERT_EQ(FolderEntries(Base / "Lists"), before) << "offset " << offset;
        }
        FailWritesAfter(-1);
        editor->SaveToFile(Base / "Lists/edited.txt");
        EXPECT_TRUE(Base.Read("Lists/edited.txt") == expected);
    }
}

TEST_F(FailedWrites, ProjectCreatedOverAnOldOneAtEveryByte)
{
    OpenSettings();
    const std::string old = Base.Read("Projects/Geo.rep");
    const std::string written = "countries of the world\r\ncapitals\r\n";
    const std::set<std::string> before = FolderEntries(Base / "Projects");
    auto answerNames = [](DialogScript& script) {
        script.Input("countries of the world");
        script.Input("capitals");
        script.Input("Geo");
    };
    for (const long long offset : FailureOffsets(written.size())) {
        FailWritesAfter(offset);
        DialogScript script;
        answerNames(script);
        script.Ok();
        Run(script, [&] { Settings->Skapanyttprojekt1Click(); });
        ++gInjected;
        ASSERT_EQ(script.Seen.size(), 4u) << "offset " << offset;
        EXPECT_EQ(script.Seen[3].Text, "Unable to create new project file.");
        ASSERT_EQ(Base.Read("Projects/Geo.rep"), old) << "offset " << offset;
        ASSERT_EQ(FolderEntries(Base / "Projects"), before) << "offset " << offset;
    }
    FailWritesAfter(-1);
    DialogScript script;
    answerNames(script);
    Run(script, [&] { Settings->Skapanyttprojekt1Click(); });
    EXPECT_EQ(script.Seen.size(), 3u);
    EXPECT_EQ(Base.Read("Projects/Geo.rep"), written);
    EXPECT_EQ(FolderEntries(Base / "Projects"), before);
}
