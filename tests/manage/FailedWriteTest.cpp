// Every file the program writes, made to fail at every byte of a small file and at a spread
// of bytes of a 1 MB one: after each failure the old file is whole, nothing is left beside
// it, and the user was told.
#include "ManageFixture.h"

#include "platform/Files.h"
#include "platform/Win1252.h"

#include <QMenu>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

namespace {
// Every entry of a folder, hidden ones included.
std::set<std::string> Entries(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

// Every offset of a small file; for a big one the first and last bytes, both sides of the
// usual buffer sizes, and an even spread between.
std::vector<long long> FailureOffsets(size_t size)
{
    if (size <= 4096) {
        std::vector<long long> all(size);
        for (size_t i = 0; i < size; ++i) all[i] = (long long)i;
        return all;
    }
    std::set<long long> at{0, 1, 2, (long long)size - 2, (long long)size - 1};
    for (long long edge : {4096LL, 8192LL, 16384LL, 65536LL, 131072LL, 524288LL})
        for (long long d : {-1LL, 0LL, 1LL})
            if (edge + d < (long long)size) at.insert(edge + d);
    for (size_t i = 1; i < 48; ++i) at.insert((long long)(size * i / 48));
    return {at.begin(), at.end()};
}

// A list of about `bytes` bytes, different from line to line.
std::string BigList(size_t bytes)
{
    std::string s;
    for (int i = 0; s.size() < bytes; ++i) s += "item " + std::to_string(i) + " with some text to pad it\r\n";
    return s;
}

int gInjected = 0;

class FailedWrites : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        Base.Write("Lists/alpha.txt", "one\r\ntwo\r\nthree\r\n");
        Base.Write("Lists/beta.txt", "uno\r\ndos\r\n");
        Base.Write("Projects/Geo.rep", "old questions\r\nold answers\r\n");
        CreateWindows();
    }
    void TearDown() override
    {
        SetWriteFailureAfterBytes(-1);
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
        const std::set<std::string> before = Entries(Base / "Lists");
        for (const long long offset : FailureOffsets(edited.size())) {
            SetWriteFailureAfterBytes(offset);
            DialogScript script;
            script.Ok();
            Run(script, [&] { QTest::keyClick(Settings->editor, Qt::Key_S, Qt::ControlModifier); });
            ++gInjected;
            ASSERT_EQ(script.Seen.size(), 1u) << "offset " << offset;
            // The general error report, naming the file and the system's reason.
            EXPECT_EQ(script.Seen[0].Kind, "MessageBox");
            EXPECT_NE(script.Seen[0].Text.find(name + ".txt"), std::string::npos) << script.Seen[0].Text;
            ASSERT_TRUE(Base.Read(file) == oldBytes) << "offset " << offset;
            ASSERT_EQ(Entries(Base / "Lists"), before) << "offset " << offset;
            // The list stays open with the user's text.
            ASSERT_TRUE(Settings->btnSave->isEnabled());
            ASSERT_TRUE(EditorText(Settings->editor) == edited) << "offset " << offset;
        }
        SetWriteFailureAfterBytes(-1);
        QTest::keyClick(Settings->editor, Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(Base.Read(file) == edited);
        EXPECT_EQ(Entries(Base / "Lists"), before);
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
    TypeText(Settings->editor, ToQString("five \xe5\xe4\xf6"));
    ASSERT_EQ(EditorText(Settings->editor), "one\r\ntwo\r\nthree\r\nfour\r\nfive \xe5\xe4\xf6\r\n");
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
        const std::set<std::string> before = Entries(Base / "Lists");
        const std::string expected = EditorText(editor);
        for (const long long offset : FailureOffsets(expected.size())) {
            SetWriteFailureAfterBytes(offset);
            try {
                editor->SaveToFile(Base / "Lists/edited.txt");
                FAIL() << "a save failing at " << offset << " reported success";
            } catch (const EFCreateError& e) {
                EXPECT_NE(std::string(e.what()).find("edited.txt"), std::string::npos) << e.what();
            }
            ++gInjected;
            ASSERT_TRUE(Base.Read("Lists/edited.txt") == old) << "offset " << offset;
            ASSERT_EQ(Entries(Base / "Lists"), before) << "offset " << offset;
        }
        SetWriteFailureAfterBytes(-1);
        editor->SaveToFile(Base / "Lists/edited.txt");
        EXPECT_TRUE(Base.Read("Lists/edited.txt") == expected);
    }
}

TEST_F(FailedWrites, ProjectCreatedOverAnOldOneAtEveryByte)
{
    OpenSettings();
    const std::string old = Base.Read("Projects/Geo.rep");
    const std::string written = "countries of the world\r\ncapitals\r\n";
    const std::set<std::string> before = Entries(Base / "Projects");
    auto answerNames = [](DialogScript& script) {
        script.Input("countries of the world");
        script.Input("capitals");
        script.Input("Geo");
    };
    for (const long long offset : FailureOffsets(written.size())) {
        SetWriteFailureAfterBytes(offset);
        DialogScript script;
        answerNames(script);
        script.Ok();
        Run(script, [&] { Settings->Skapanyttprojekt1Click(); });
        ++gInjected;
        ASSERT_EQ(script.Seen.size(), 4u) << "offset " << offset;
        EXPECT_EQ(script.Seen[3].Text, "Unable to create new project file.");
        ASSERT_EQ(Base.Read("Projects/Geo.rep"), old) << "offset " << offset;
        ASSERT_EQ(Entries(Base / "Projects"), before) << "offset " << offset;
    }
    SetWriteFailureAfterBytes(-1);
    DialogScript script;
    answerNames(script);
    Run(script, [&] { Settings->Skapanyttprojekt1Click(); });
    EXPECT_EQ(script.Seen.size(), 3u);
    EXPECT_EQ(Base.Read("Projects/Geo.rep"), written);
    EXPECT_EQ(Entries(Base / "Projects"), before);
}
