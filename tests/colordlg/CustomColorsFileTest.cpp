// The custom colours file: its bytes, the line rules of reading, and files that are missing,
// folders, binary or huge.
#include "colordlg/CustomColorsFile.h"
#include "platform/Files.h"
#include "WriteFaults.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using Items = std::vector<std::string>;

TEST(CustomColorsFile, RecordsAreCodesEndedByCrLf)
{
    EXPECT_EQ(FormatCustomColors({"#123456", "#FF8000"}), "#123456\r\n#FF8000\r\n");
    EXPECT_EQ(FormatCustomColors({}), "");
    EXPECT_EQ(FormatCustomColors({""}), "\r\n");
}

TEST(CustomColorsFile, ReadingSplitsAtCrLfOrEitherAlone)
{
    EXPECT_EQ(ParseCustomColors("#123456\r\n#FF8000\r\n"), (Items{"#123456", "#FF8000"}));
    EXPECT_EQ(ParseCustomColors("#AAAAAA\r#BBBBBB\n#CCCCCC"), (Items{"#AAAAAA", "#BBBBBB", "#CCCCCC"}));
    // LF CR is two line ends: an empty line between.
    EXPECT_EQ(ParseCustomColors("a\n\rb"), (Items{"a", "", "b"}));
    EXPECT_EQ(ParseCustomColors("a\r\n\r\nb\r\n"), (Items{"a", "", "b"}));
    EXPECT_EQ(ParseCustomColors("\r\n"), (Items{""}));
    EXPECT_EQ(ParseCustomColors(""), Items{});
    // Nothing is checked: any text is an item, duplicates stay.
    EXPECT_EQ(ParseCustomColors("#ff0000\r\nhello\r\n#ff0000"), (Items{"#ff0000", "hello", "#ff0000"}));
}

TEST(CustomColorsFile, NulByteEndsTheText)
{
    EXPECT_EQ(ParseCustomColors(std::string("#111111\r\n#22\0" "2222\r\n#333333\r\n", 27)), (Items{"#111111", "#22"}));
    EXPECT_EQ(ParseCustomColors(std::string("\0abc", 4)), Items{});
}

TEST(CustomColorsFile, MissingFolderOrUnreadableFileCannotBeOpened)
{
    TempFolder dir;
    const Items cannot{CannotOpenCustomColors};
    EXPECT_EQ(LoadCustomColors(dir / "CustomColors.dat"), cannot);
    dir.MakeDir("CustomColors.dat");
    EXPECT_EQ(LoadCustomColors(dir / "CustomColors.dat"), cannot);
    EXPECT_EQ(std::string(CannotOpenCustomColors), "Det gick inte att \xF6ppna filen.");
}

TEST(CustomColorsFile, BinaryFileGivesItemsUpToItsFirstNul)
{
    TempFolder dir;
    std::string bytes = "#ABCDEF\r\n\x01\x02\xFF\r\n";
    bytes += std::string("\0\x7F\x80", 3);
    dir.Write("CustomColors.dat", bytes);
    EXPECT_EQ(LoadCustomColors(dir / "CustomColors.dat"), (Items{"#ABCDEF", "\x01\x02\xFF"}));
}

TEST(CustomColorsFile, HugeFileIsReadOnlyInItsFirstPart)
{
    TempFolder dir;
    std::string record = "#0A0B0C\r\n";
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += record; // 1.8 MB
    dir.Write("CustomColors.dat", bytes);
    const Items items = LoadCustomColors(dir / "CustomColors.dat");
    // 64 KiB hold 7281 whole records and the first 7 bytes of the next.
    ASSERT_EQ(items.size(), MaxCustomColorsBytes / 9 + 1);
    EXPECT_EQ(items.front(), "#0A0B0C");
    EXPECT_EQ(items.back(), std::string("#0A0B0C").substr(0, MaxCustomColorsBytes % 9));
}

TEST(CustomColorsFile, SavingLeavesOutTheCannotOpenItem)
{
    TempFolder dir;
    SaveCustomColors(dir / "CustomColors.dat", {CannotOpenCustomColors, "#123456"});
    EXPECT_EQ(dir.Read("CustomColors.dat"), "#123456\r\n");
    SaveCustomColors(dir / "CustomColors.dat", {CannotOpenCustomColors});
    EXPECT_TRUE(dir.Exists("CustomColors.dat"));
    EXPECT_EQ(dir.Read("CustomColors.dat"), "");
}

TEST(CustomColorsFile, FailedSaveLeavesTheOldFileWhole)
{
    TempFolder dir;
    dir.Write("CustomColors.dat", "#111111\r\n#222222\r\n");
    FailWritesAfter(5);
    EXPECT_THROW(SaveCustomColors(dir / "CustomColors.dat", {"#333333", "#444444", "#555555"}), EFileError);
    FailWritesAfter(-1);
    EXPECT_EQ(dir.Read("CustomColors.dat"), "#111111\r\n#222222\r\n");
}
