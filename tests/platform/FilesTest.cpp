#include "platform/Files.h"
#include "platform/TextLines.h"
#include "platform/Utf8.h"
#include "platform/Win1252.h"
#include "WriteFaults.h"

#include "TempFolder.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using Lines = std::vector<std::string>;

TEST(TextLines, BreaksAtCrLfLoneCrAndLoneLf)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"})) << "LF CR is two breaks";
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines(std::string("one\r\ntw\0o\r\nthree", 16)), (Lines{"one", "tw"}));
    EXPECT_EQ(SplitLines("  a\t\r\n"), (Lines{"  a\t"})) << "blanks belong to the item";
}

TEST(TextLines, PiecesSplitAnywhereGiveTheSameLinesAsTheWholeText)
{
    const std::string texts[] = {"a\r\nb\rc\nd", "a\n\rb", "a\r\n\r\n", "\r\n", "\r\r\n\n", "one\r\ntw" + std::string(1, '\0') + "o\r\n",
                                 "abc", "", "x\r", "\n"};
    for (const std::string& text : texts) {
        const Lines whole = SplitLines(text);
        for (size_t cut1 = 0; cut1 <= text.size(); ++cut1) {
            for (size_t cut2 = cut1; cut2 <= text.size(); ++cut2) {
                TLineSplitter splitter;
                splitter.Feed(std::string_view(text).substr(0, cut1));
                splitter.Feed(std::string_view(text).substr(cut1, cut2 - cut1));
                splitter.Feed(std::string_view(text).substr(cut2));
                EXPECT_EQ(splitter.TakeLines(), whole) << testing::PrintToString(text) << " cut at " << cut1 << ", " << cut2;
            }
        }
    }
    // Reading stops at a NUL.
    TLineSplitter splitter;
    EXPECT_TRUE(splitter.Feed("a\r"));
    EXPECT_FALSE(splitter.Feed(std::string("\nb\0c", 4)));
    EXPECT_FALSE(splitter.Feed("more\r\n"));
    EXPECT_EQ(splitter.TakeLines(), (Lines{"a", "b"}));
}

TEST(Files, AFileReadInPiecesIsReadWhole)
{
    TempFolder dir;
    std::string big;
    for (int i = 0; big.size() < 700 * 1024; ++i) big += "line " + std::to_string(i) + "\r\n";
    dir.Write("big.txt", big);
    std::string joined;
    size_t pieces = 0;
    ReadFilePieces(dir / "big.txt", [&](std::string_view piece, uint64_t size) {
        EXPECT_EQ(size, big.size());
        joined += piece;
        ++pieces;
        return true;
    });
    EXPECT_EQ(joined, big);
    EXPECT_GT(pieces, 1u);
    EXPECT_EQ(ReadWholeFile(dir / "big.txt"), big);
    // The sink may stop the reading.
    pieces = 0;
    ReadFilePieces(dir / "big.txt", [&](std::string_view, uint64_t) { return ++pieces < 2; });
    EXPECT_EQ(pieces, 2u);
    EXPECT_THROW(ReadFilePieces(dir / "missing.txt", [](std::string_view, uint64_t) { return true; }), EFOpenError);
}

TEST(TextLines, JoinEndsEveryLineWithCrLf)
{
    EXPECT_EQ(JoinLines({"Questions", "Answers"}), "Questions\r\nAnswers\r\n");
    EXPECT_EQ(JoinLines({}), "");
    EXPECT_EQ(JoinLines({""}), "\r\n");
    EXPECT_EQ(SplitLines(JoinLines({"a", "", "b", ""})), (Lines{"a", "", "b", ""}));
}

TEST(Win1252, EveryByteRoundTripsAndForeignCharactersHaveNoByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(char(b));
    std::string back;
    ASSERT_TRUE(Win1252FromQString(QStringFromWin1252(all), back));
    EXPECT_EQ(back, all);
    ASSERT_TRUE(Utf8ToWin1252(Win1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(QStringFromWin1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(QStringFromWin1252("\xE5\xE4\xF6"), QString::fromUtf8("åäö"));
    EXPECT_FALSE(Win1252FromQString(QString::fromUtf8("д"), back));
    size_t bad = 0;
    EXPECT_FALSE(Utf8ToWin1252("a\xE2\x82\xAC\xD0\xB4" "b", back, &bad)) << "no \"?\" stands in for it";
    EXPECT_EQ(bad, 4u);
    EXPECT_EQ(AnsiLowerCase("\xC5\xC4\xD6 ABC \x8A"), "\xE5\xE4\xF6 abc \x9A");
    EXPECT_TRUE(AnsiSameText("Notes", "NOTES"));
}

TEST(Files, FolderSearchSkipsFoldersHiddenFilesAndOtherExtensions)
{
    TempFolder dir;
    for (const char* name : {"b.txt", "Notes.TXT", ".hidden.txt", "a.txt.txt", "readme.md"}) dir.Write(name, "");
    dir.MakeDir("old.txt");
    auto names = FindFiles(dir.Path(), ".txt");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Lines{"Notes.TXT", "a.txt.txt", "b.txt"}));
    EXPECT_TRUE(FindFiles(dir / "missing/", ".txt").empty());
}

TEST(Files, NamesResolveWithoutRegardToLetterCaseAndNeverLeaveTheFolder)
{
    TempFolder dir;
    dir.Write("Notes.TXT", "x");
    EXPECT_EQ(ResolveInFolder(dir.Path(), "Notes.txt"), dir / "Notes.TXT");
    EXPECT_EQ(ResolveInFolder(dir.Path(), "New.txt"), dir / "New.txt");
    dir.Write("notes.txt", "y");
    EXPECT_EQ(ResolveInFolder(dir.Path(), "notes.txt"), dir / "notes.txt") << "an exact match wins";
    EXPECT_EQ(ResolveInFolder(dir.Path(), "../x.txt"), "");
    EXPECT_EQ(ResolveInFolder(dir.Path(), "a/b.txt"), "");
    EXPECT_EQ(ResolveInFolder(dir.Path(), std::string("a\0b", 3)), "");
    // A name the folder search would hide is refused, so nothing is made that vanishes.
    EXPECT_EQ(ResolveInFolder(dir.Path(), ".hidden.txt"), "");
    EXPECT_EQ(ResolveInFolder(dir.Path(), ".txt"), "");
    EXPECT_EQ(ResolveInFolder(dir.Path(), ""), "");
}

TEST(Files, ABackslashIsAnOrdinaryCharacterOfAFileName)
{
    TempFolder dir;
    dir.Write("a\\b.txt", "listed");
    EXPECT_EQ(FindFiles(dir.Path(), ".txt"), (Lines{"a\\b.txt"}));
    EXPECT_EQ(ResolveInFolder(dir.Path(), "a\\b.txt"), dir / "a\\b.txt");
    EXPECT_EQ(ReadWholeFile(ResolveInFolder(dir.Path(), "A\\B.TXT")), "listed");
    EXPECT_EQ(ResolveInFolder(dir.Path(), "c\\d.txt"), dir / "c\\d.txt");
}

TEST(Files, FolderSearchListsByNameIgnoringLetterCase)
{
    TempFolder dir;
    // Created out of order, so neither creation order nor its reverse is the answer.
    for (const char* name : {"beta.txt", "_x.txt", "Zeta.txt", "words.txt", "a.txt", "\xC3\xA4pple.txt",
                             "Alpha.txt", "a-b.txt", "Words.txt", "alpha2.txt", "1.txt"})
        dir.Write(name, "");
    // Upper-cased: '-' (2D) < '.' (2E) < digits < letters < '_' (5F) < 'Ä' (C4); names
    // equal but for case keep one fixed order.
    EXPECT_EQ(FindFiles(dir.Path(), ".txt"),
              (Lines{"1.txt", "a-b.txt", "a.txt", "Alpha.txt", "alpha2.txt", "beta.txt", "Words.txt", "words.txt",
                     "Zeta.txt", "_x.txt", "\xC3\xA4pple.txt"}));
}

TEST(Files, AccentedAndNonUtf8NamesLeadBackToTheirFiles)
{
    TempFolder dir;
    dir.Write("Sm\xC3\xA5ord.txt", "utf8"); // "Småord" stored as UTF-8
    dir.Write("Raw\xE5.txt", "raw");        // a byte that is not UTF-8
    auto names = FindFiles(dir.Path(), ".txt");
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names, (Lines{"Raw\xC3\xA5.txt", "Sm\xC3\xA5ord.txt"}));
    EXPECT_EQ(ReadWholeFile(ResolveInFolder(dir.Path(), "Sm\xC3\xA5ord.txt")), "utf8");
    EXPECT_EQ(ReadWholeFile(ResolveInFolder(dir.Path(), "Raw\xC3\xA5.txt")), "raw");
}

TEST(Files, LetterCaseIsIgnoredByUnicodeCaseFolding)
{
    TempFolder dir;
    for (const char* name : {"\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.txt", "zebra.txt", "\xC3\xA9" "clair.txt", "\xC3\x89" "cole.txt"})
        dir.Write(name, name);
    // "ΣΟΦΊΑ" and "σοφία" name "Σοφία"; "ÉCLAIR" names "éclair"; é sorts with É, after z.
    EXPECT_EQ(dir.Read("\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.txt"),
              ReadWholeFile(ResolveInFolder(dir.Path(), "\xCF\x83\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.txt")));
    EXPECT_EQ(ReadWholeFile(ResolveInFolder(dir.Path(), "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x8A\xCE\x91.txt")),
              "\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.txt");
    EXPECT_EQ(ReadWholeFile(ResolveInFolder(dir.Path(), "\xC3\x89" "CLAIR.TXT")), "\xC3\xA9" "clair.txt");
    EXPECT_EQ(FindFiles(dir.Path(), ".txt"),
              (Lines{"zebra.txt", "\xC3\xA9" "clair.txt", "\xC3\x89" "cole.txt", "\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.txt"}));
}

TEST(Files, ReadingFailsAsCannotOpenForFoldersAndMissingFiles)
{
    TempFolder dir;
    dir.MakeDir("folder.txt");
    EXPECT_THROW(ReadWholeFile(dir / "folder.txt"), EFOpenError);
    EXPECT_THROW(ReadWholeFile(dir / "missing.txt"), EFOpenError);
    EXPECT_THROW(ReadWholeFile(""), EFOpenError);
    EXPECT_FALSE(FileExists(dir / "folder.txt"));
    EXPECT_FALSE(DeleteFileAt(dir / "folder.txt"));
    EXPECT_TRUE(DirectoryExists(dir / "folder.txt"));
}

TEST(Files, AnAtomicWriteThatFailsPartWayLeavesTheOldFileWhole)
{
    TempFolder dir;
    dir.Write("list.txt", "old contents\r\n");
    FailWritesAfter(3);
    EXPECT_THROW(WriteFileAtomic(dir / "list.txt", "new contents that will not fit\r\n"), EFCreateError);
    FailWritesAfter(-1);
    EXPECT_EQ(dir.Read("list.txt"), "old contents\r\n");
    EXPECT_EQ(FindFiles(dir.Path(), ""), (Lines{"list.txt"})) << "no temporary file is left behind";

    WriteFileAtomic(dir / "list.txt", "new\r\n");
    EXPECT_EQ(dir.Read("list.txt"), "new\r\n");
    EXPECT_THROW(WriteFileAtomic(dir / "missing/list.txt", "x"), EFCreateError);
    dir.MakeDir("folder.txt");
    EXPECT_THROW(WriteFileAtomic(dir / "folder.txt", "x"), EFCreateError);
    EXPECT_TRUE(DirectoryExists(dir / "folder.txt"));
}

namespace {
bool IsLink(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Every entry of a folder, hidden ones included, sorted.
Lines Entries(const std::string& folder)
{
    Lines names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned ModeOf(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0u;
}
} // namespace

TEST(Files, SavingThroughALinkReplacesTheFileItPointsToAndKeepsTheLink)
{
    TempFolder dir;
    dir.MakeDir("Lists");
    dir.MakeDir("Elsewhere");
    dir.Write("Elsewhere/target.txt", "old\r\n");
    ASSERT_EQ(symlink("../Elsewhere/target.txt", (dir / "Lists/relative.txt").c_str()), 0);
    ASSERT_EQ(symlink((dir / "Elsewhere/target.txt").c_str(), (dir / "Lists/absolute.txt").c_str()), 0);
    ASSERT_EQ(symlink("relative.txt", (dir / "Lists/chain.txt").c_str()), 0);

    WriteFileAtomic(dir / "Lists/relative.txt", "first\r\n");
    EXPECT_TRUE(IsLink(dir / "Lists/relative.txt"));
    EXPECT_EQ(dir.Read("Elsewhere/target.txt"), "first\r\n");
    WriteFileAtomic(dir / "Lists/absolute.txt", "second\r\n");
    EXPECT_TRUE(IsLink(dir / "Lists/absolute.txt"));
    EXPECT_EQ(dir.Read("Elsewhere/target.txt"), "second\r\n");
    WriteFileAtomic(dir / "Lists/chain.txt", "third\r\n");
    EXPECT_TRUE(IsLink(dir / "Lists/chain.txt"));
    EXPECT_TRUE(IsLink(dir / "Lists/relative.txt"));
    EXPECT_EQ(dir.Read("Elsewhere/target.txt"), "third\r\n");
    // The temporary file was made beside the target and is gone.
    EXPECT_EQ(Entries(dir / "Elsewhere"), (Lines{"target.txt"}));

    // A link to a file not yet there makes that file.
    ASSERT_EQ(symlink("../Elsewhere/new.txt", (dir / "Lists/dangling.txt").c_str()), 0);
    WriteFileAtomic(dir / "Lists/dangling.txt", "made\r\n");
    EXPECT_TRUE(IsLink(dir / "Lists/dangling.txt"));
    EXPECT_EQ(dir.Read("Elsewhere/new.txt"), "made\r\n");

    // A link into a missing folder, and a loop, fail and change nothing.
    ASSERT_EQ(symlink("../Missing/x.txt", (dir / "Lists/nowhere.txt").c_str()), 0);
    EXPECT_THROW(WriteFileAtomic(dir / "Lists/nowhere.txt", "x"), EFCreateError);
    EXPECT_TRUE(IsLink(dir / "Lists/nowhere.txt"));
    ASSERT_EQ(symlink("loop.txt", (dir / "Lists/loop.txt").c_str()), 0);
    try {
        WriteFileAtomic(dir / "Lists/loop.txt", "x");
        ADD_FAILURE() << "a link to itself was written";
    } catch (const EFCreateError& e) {
        EXPECT_NE(std::string(e.what()).find("Too many levels of symbolic links"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(IsLink(dir / "Lists/loop.txt"));
}

TEST(Files, SavingKeepsTheFilesPermissions)
{
    TempFolder dir;
    for (const auto& [name, mode] : {std::pair{"private.txt", 0600u}, {"shared.txt", 0664u}, {"locked.txt", 0444u}}) {
        dir.Write(name, "old\r\n");
        ASSERT_EQ(chmod((dir / name).c_str(), mode), 0);
        if (access((dir / name).c_str(), W_OK) != 0) continue; // refused: the next test's case
        WriteFileAtomic(dir / name, "new\r\n");
        EXPECT_EQ(dir.Read(name), "new\r\n") << name;
        EXPECT_EQ(ModeOf(dir / name), mode) << name;
    }
    const mode_t mask = umask(022);
    WriteFileAtomic(dir / "created.txt", "x");
    umask(mask);
    EXPECT_EQ(ModeOf(dir / "created.txt"), 0644u);
}

TEST(Files, AFileTheUserMayNotWriteIsRefusedWithTheSystemsText)
{
    TempFolder dir;
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    dir.Write("locked.txt", "old\r\n");
    dir.Write("open.txt", "old\r\n");
    ASSERT_EQ(chmod((dir / "locked.txt").c_str(), 0444), 0);
    ASSERT_EQ(chmod((dir / "open.txt").c_str(), 0666), 0);
    ASSERT_EQ(symlink("locked.txt", (dir / "link.txt").c_str()), 0);
    Unprivileged user;
    if (!user.Active()) GTEST_SKIP() << "root here may not take another user's rights";
    // The folder lets this user make files: only the file's own mode stands in the way.
    WriteFileAtomic(dir / "open.txt", "new\r\n");
    EXPECT_EQ(dir.Read("open.txt"), "new\r\n");
    for (const char* name : {"locked.txt", "link.txt"}) {
        try {
            WriteFileAtomic(dir / name, "new\r\n");
            ADD_FAILURE() << name << " was written";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + dir / name + "\". Permission denied");
        }
    }
    EXPECT_EQ(dir.Read("locked.txt"), "old\r\n");
    EXPECT_EQ(ModeOf(dir / "locked.txt"), 0444u);
    EXPECT_TRUE(IsLink(dir / "link.txt"));
    EXPECT_EQ(Entries(dir.Path()), (Lines{"link.txt", "locked.txt", "open.txt"}));
}
