#include "platform/Files.h"
#include "platform/TextLines.h"
#include "platform/Win1252.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <algorithm>

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
    ASSERT_TRUE(FromQStringExact(ToQString(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(ToQString("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(ToQString("\xE5\xE4\xF6"), QString::fromUtf8("åäö"));
    EXPECT_FALSE(FromQStringExact(QString::fromUtf8("д"), back));
    EXPECT_EQ(FromQStringLossy(QString::fromUtf8("aдb€")), "a?b\x80");
    EXPECT_EQ(AnsiLowerCase("\xC5\xC4\xD6 ABC \x8A"), "\xE5\xE4\xF6 abc \x9A");
    EXPECT_TRUE(AnsiSameText("Notes", "NOTES"));
}

TEST(Files, FolderSearchSkipsFoldersHiddenFilesAndOtherExtensions)
{
    TempFolder dir;
    dir.Write("b.txt", "");
    dir.Write("Notes.TXT", "");
    dir.Write(".hidden.txt", "");
    dir.Write("a.txt.txt", "");
    dir.Write("readme.md", "");
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
    EXPECT_EQ(ResolveInFolder(dir.Path(), "a\\b.txt"), "");
    EXPECT_EQ(ResolveInFolder(dir.Path(), std::string("a\0b", 3)), "");
}

TEST(Files, AccentedAndNonUtf8NamesLeadBackToTheirFiles)
{
    TempFolder dir;
    dir.Write("Sm\xC3\xA5ord.txt", "utf8"); // "Småord" stored as UTF-8
    dir.Write("Raw\xE5.txt", "raw");        // a byte that is not UTF-8
    auto names = FindFiles(dir.Path(), ".txt");
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names, (Lines{"Raw\xE5.txt", "Sm\xE5ord.txt"}));
    EXPECT_EQ(ReadWholeFile(ResolveInFolder(dir.Path(), "Sm\xE5ord.txt")), "utf8");
    EXPECT_EQ(ReadWholeFile(ResolveInFolder(dir.Path(), "Raw\xE5.txt")), "raw");
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
    SetWriteFailureAfterBytes(3);
    EXPECT_THROW(WriteFileAtomic(dir / "list.txt", "new contents that will not fit\r\n"), EFCreateError);
    SetWriteFailureAfterBytes(-1);
    EXPECT_EQ(dir.Read("list.txt"), "old contents\r\n");
    EXPECT_EQ(FindFiles(dir.Path(), ""), (Lines{"list.txt"})) << "no temporary file is left behind";

    WriteFileAtomic(dir / "list.txt", "new\r\n");
    EXPECT_EQ(dir.Read("list.txt"), "new\r\n");
    EXPECT_THROW(WriteFileAtomic(dir / "missing/list.txt", "x"), EFCreateError);
    dir.MakeDir("folder.txt");
    EXPECT_THROW(WriteFileAtomic(dir / "folder.txt", "x"), EFCreateError);
    EXPECT_TRUE(DirectoryExists(dir / "folder.txt"));
}
