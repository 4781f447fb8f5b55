// The store on real files in a temporary base folder.
#include "app/DataStore.h"
#include "platform/Files.h"
#include "platform/TextLines.h"
#include "FakeServices.h"
#include "Scripts.h"
#include "WriteFaults.h"

#include "TempFolder.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <algorithm>

using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {
struct Store : testing::Test {
    TempFolder Base;
    void SetUp() override
    {
        Base.MakeDir("Lists");
        Base.MakeDir("Projects");
        UseBaseFolder(Base.Path());
    }
    Lines Sorted(Lines v)
    {
        std::sort(v.begin(), v.end());
        return v;
    }
};
} // namespace

TEST_F(Store, PathsAreRebuiltFromBaseFolderFolderNameAndExtension)
{
    EXPECT_EQ(BaseFolder(), Base.Path());
    EXPECT_EQ(ListFilePath("German verbs"), Base / "Lists/German verbs.txt");
    EXPECT_EQ(ProjectFilePath("Capitals"), Base / "Projects/Capitals.rep");
    // Spaces belong to the name: nothing is trimmed.
    EXPECT_EQ(ListFilePath(" x "), Base / "Lists/ x .txt");
}

TEST_F(Store, DisplayNamesDropOnlyTheFinalExtensionAndSkipFoldersAndHiddenFiles)
{
    Base.Write("Lists/Notes.TXT", "a\r\n");
    Base.Write("Lists/a.txt.txt", "b\r\n");
    Base.Write("Lists/a.txt", "other\r\n");
    Base.Write("Lists/readme.md", "x");
    Base.Write("Lists/.hidden.txt", "x");
    Base.MakeDir("Lists/old.txt");
    Base.Write("Projects/Capitals.rep", "Q\r\nA\r\n");
    Base.Write("Projects/Capitals.txt", "not a project");

    EXPECT_EQ(Sorted(GetDisplayNames(TFolderKind::Lists)), (Lines{"Notes", "a", "a.txt"}));
    EXPECT_EQ(GetDisplayNames(TFolderKind::Projects), (Lines{"Capitals"}));

    // Each name leads back to its own file.
    EXPECT_EQ(LoadLines(ListFilePath("Notes")), (Lines{"a"}));
    EXPECT_EQ(LoadLines(ListFilePath("a.txt")), (Lines{"b"}));
    EXPECT_EQ(LoadLines(ListFilePath("a")), (Lines{"other"}));
    SaveLines(ListFilePath("a.txt"), {"changed"});
    EXPECT_EQ(Base.Read("Lists/a.txt.txt"), "changed\r\n");
    EXPECT_EQ(Base.Read("Lists/a.txt"), "other\r\n");
}

TEST_F(Store, NamesThatDifferOnlyInLetterCaseEachFindTheirOwnFile)
{
    Base.Write("Lists/Words.txt", "upper\r\n");
    Base.Write("Lists/words.txt", "lower\r\n");
    EXPECT_EQ(LoadLines(ListFilePath("Words")), (Lines{"upper"}));
    EXPECT_EQ(LoadLines(ListFilePath("words")), (Lines{"lower"}));
    // A name that matches neither exactly still finds a file that differs only in case.
    EXPECT_EQ(LoadLines(ListFilePath("WORDS")).size(), 1u);
}

TEST_F(Store, AccentedAndNonUtf8FileNamesRoundTrip)
{
    // A name with å, ä, ö stored as UTF-8 on disk.
    Base.Write("Lists/\xc3\xa5\xc3\xa4\xc3\xb6.txt", "ja\r\n");
    // A name whose bytes are not valid UTF-8 is shown as Windows-1252, and leads back to it.
    Base.Write("Lists/bad\xff.txt", "nej\r\n");
    const Lines names = Sorted(GetDisplayNames(TFolderKind::Lists));
    ASSERT_EQ(names.size(), 2u);
    EXPECT_NE(std::find(names.begin(), names.end(), "\xc3\xa5\xc3\xa4\xc3\xb6"), names.end());
    EXPECT_EQ(LoadLines(ListFilePath("\xc3\xa5\xc3\xa4\xc3\xb6")), (Lines{"ja"}));
    EXPECT_EQ(LoadLines(ListFilePath("bad\xc3\xbf")), (Lines{"nej"}));
    SaveLines(ListFilePath("\xc3\xa5\xc3\xa4\xc3\xb6"), {"\xc3\xa5"});
    EXPECT_EQ(Base.Read("Lists/\xc3\xa5\xc3\xa4\xc3\xb6.txt"), "\xe5\r\n");
}

TEST_F(Store, EveryListedNameOpensAndSavesItsOwnFile)
{
    const Lines files{"a\\b.txt", "Notes.TXT", " x .txt", "bad\xff.txt", "a.txt.txt", "\xc3\xa5.txt", "x..txt"};
    for (size_t i = 0; i < files.size(); ++i) Base.Write("Lists/" + files[i], std::to_string(i) + "\r\n");
    const Lines names = GetDisplayNames(TFolderKind::Lists);
    ASSERT_EQ(names.size(), files.size());
    for (const std::string& name : names) {
        const std::string path = ListFilePath(name);
        ASSERT_EQ(LoadLines(path).size(), 1u) << name;
        const std::string file = files.at(std::stoul(LoadLines(path)[0]));
        SaveLines(path, {"saved " + name});
        // Written in Windows-1252, as it holds every name here.
        EXPECT_EQ(QString(QStringDecoder("windows-1252").decode(QByteArray::fromStdString(Base.Read("Lists/" + file)))),
                  QString::fromStdString("saved " + name + "\r\n")) << name;
    }
    EXPECT_EQ(GetDisplayNames(TFolderKind::Lists), names) << "saving made no file";
}

TEST_F(Store, NamesComeInNameOrderIgnoringLetterCase)
{
    for (const char* f : {"Lists/Zeta.txt", "Lists/beta.TXT", "Lists/Alpha.txt", "Lists/\xc3\x85ke.txt", "Lists/alpha b.txt",
                          "Projects/English to Swedish.rep", "Projects/Capitals of Europe.rep", "Projects/animals.rep"})
        Base.Write(f, "");
    EXPECT_EQ(GetDisplayNames(TFolderKind::Lists), (Lines{"alpha b", "Alpha", "beta", "Zeta", "\xc3\x85ke"}));
    EXPECT_EQ(GetDisplayNames(TFolderKind::Projects), (Lines{"animals", "Capitals of Europe", "English to Swedish"}));
}

TEST_F(Store, LineRulesOfReading)
{
    struct Case {
        std::string Bytes;
        Lines Expected;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a\r\nb\r\nc", {"a", "b", "c"}},
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"a\r\nb\r\nc\r\n\r\n", {"a", "b", "c", ""}},
        {"a\nb\nc\n", {"a", "b", "c"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"one\r\ntw\0o\r\nthree\r\n"s, {"one", "tw"}},
        // A byte-order mark marks UTF-8 and is dropped; before bytes that are no UTF-8 it is
        // no mark but the first line's first three characters.
        {"\xef\xbb\xbfx", {"x"}},
        {"\xef\xbb\xbfx\xe4", {"\xc3\xaf\xc2\xbb\xc2\xbfx\xc3\xa4"}},
        {" \tpadded\t \r\n", {" \tpadded\t "}},
    };
    for (const Case& c : cases) {
        Base.Write("Lists/case.txt", c.Bytes);
        EXPECT_EQ(LoadLines(ListFilePath("case")), c.Expected) << testing::PrintToString(c.Bytes);
    }
}

TEST_F(Store, SavingWritesCrLfAfterEveryLineAndReadsBackTheSameItems)
{
    const std::string path = ListFilePath("saved");
    SaveLines(path, {"Questions", "", "Answers"});
    EXPECT_EQ(Base.Read("Lists/saved.txt"), "Questions\r\n\r\nAnswers\r\n");
    EXPECT_EQ(LoadLines(path), (Lines{"Questions", "", "Answers"}));
    SaveLines(path, {});
    EXPECT_TRUE(Base.Exists("Lists/saved.txt"));
    EXPECT_EQ(Base.Read("Lists/saved.txt"), "");

    Base.Write("Lists/unix.txt", "x\ny\n");
    SaveLines(ListFilePath("unix"), LoadLines(ListFilePath("unix")));
    EXPECT_EQ(Base.Read("Lists/unix.txt"), "x\r\ny\r\n");
}

TEST_F(Store, AWriteThatFailsPartWayLeavesTheOldFileWhole)
{
    const std::string path = ListFilePath("precious");
    SaveLines(path, {"old line 1", "old line 2"});
    FailWritesAfter(5);
    EXPECT_THROW(SaveLines(path, {"a much longer new first line", "and a second"}), EFCreateError);
    FailWritesAfter(-1);
    EXPECT_EQ(Base.Read("Lists/precious.txt"), "old line 1\r\nold line 2\r\n");
    // No temporary file is left behind to show up anywhere.
    EXPECT_EQ(GetDisplayNames(TFolderKind::Lists), (Lines{"precious"}));
}

TEST_F(Store, MissingFoldersListNothingAndCannotTakeNewFiles)
{
    TempFolder empty;
    UseBaseFolder(empty.Path());
    EXPECT_TRUE(GetDisplayNames(TFolderKind::Lists).empty());
    EXPECT_TRUE(GetDisplayNames(TFolderKind::Projects).empty());
    EXPECT_THROW(SaveLines(ProjectFilePath("P"), {"Q", "A"}), EFCreateError);
    EXPECT_THROW(LoadLines(ListFilePath("L")), EFOpenError);
    EXPECT_FALSE(empty.Exists("Projects"));
}

TEST_F(Store, AFolderWhereAFileShouldBeFailsBothWays)
{
    Base.MakeDir("Lists/folder.txt");
    EXPECT_THROW(LoadLines(ListFilePath("folder")), EFOpenError);
    EXPECT_THROW(SaveLines(ListFilePath("folder"), {"x"}), EFCreateError);
    EXPECT_TRUE(Base.Exists("Lists/folder.txt"));
}

TEST_F(Store, NamesWithSeparatorsOrNulNameNoFileAnywhere)
{
    Base.Write("outside.txt", "secret\r\n");
    Base.Write("Lists/sub.txt", "x\r\n");
    for (const std::string name : {std::string("../outside"), std::string("..\\outside"), std::string(".hidden"),
                                   std::string("sub\0x", 5), std::string("/tmp/x")}) {
        EXPECT_THROW(LoadLines(ListFilePath(name)), EFOpenError) << name;
        EXPECT_THROW(SaveLines(ListFilePath(name), {"overwritten"}), EFCreateError) << name;
        EXPECT_THROW(SaveLines(ProjectFilePath(name), {"Q", "A"}), EFCreateError) << name;
    }
    EXPECT_EQ(Base.Read("outside.txt"), "secret\r\n");
    EXPECT_EQ(Base.Read("Lists/sub.txt"), "x\r\n");
    EXPECT_FALSE(Base.Exists("Lists/.hidden.txt"));
}

TEST_F(Store, ALargeListKeepsEveryLineWhereverTheReadingBreaksIt)
{
    // A CR LF across the 256 KB the file is read by, a long line over several of them, then
    // many short lines.
    std::string bytes(256 * 1024 - 1, 'x');
    bytes += "\r\n";
    bytes += std::string(600 * 1024, 'y') + "\n";
    Lines expected{std::string(256 * 1024 - 1, 'x'), std::string(600 * 1024, 'y')};
    for (int i = 0; i < 100000; ++i) {
        expected.push_back("short " + std::to_string(i));
        bytes += expected.back() + (i % 2 ? "\r" : "\r\n");
    }
    Base.Write("Lists/large.txt", bytes);
    EXPECT_EQ(LoadLines(ListFilePath("large")), expected);
}

TEST_F(Store, BinaryFileReadsUpToItsFirstNul)
{
    std::string bytes = "head\r\nnext";
    bytes += '\0';
    bytes += "\x01\x02\r\nmore\r\n";
    Base.Write("Lists/bin.txt", bytes);
    EXPECT_EQ(LoadLines(ListFilePath("bin")), (Lines{"head", "next"}));
}

// Items in many scripts, in every encoding a file comes in: read as themselves, written back
// with the same bytes; a new list that comes to hold them is written as UTF-8.
TEST_F(Store, ListsInAnyScriptAreReadAndWrittenBackByteForByte)
{
    QString items;
    for (const TScriptItem& item : ScriptItems) items += QString::fromUtf8(item.InFile) + "\r\n";
    const Lines want = SplitLines(items.toStdString());
    using Flag = QStringConverter::Flag;
    const std::pair<TTextEncoding, QByteArray> files[] = {
        {TTextEncoding::Utf8, items.toUtf8()},
        {TTextEncoding::Utf8Bom, QStringEncoder(QStringConverter::Utf8, Flag::WriteBom).encode(items)},
        {TTextEncoding::Utf16Le, QStringEncoder(QStringConverter::Utf16LE, Flag::WriteBom).encode(items)},
        {TTextEncoding::Utf16Be, QStringEncoder(QStringConverter::Utf16BE, Flag::WriteBom).encode(items)},
    };
    const std::string path = ListFilePath("words");
    for (const auto& [encoding, bytes] : files) {
        Base.Write("Lists/words.txt", bytes.toStdString());
        TTextEncoding read = TTextEncoding::Ansi;
        EXPECT_EQ(LoadLines(path, &read), want);
        EXPECT_EQ(read, encoding);
        EXPECT_EQ(SaveLines(path, want, read), encoding);
        EXPECT_EQ(Base.Read("Lists/words.txt"), bytes.toStdString());
    }
    EXPECT_EQ(SaveLines(path, want), TTextEncoding::Utf8);
    EXPECT_EQ(Base.Read("Lists/words.txt"), items.toStdString());
}
