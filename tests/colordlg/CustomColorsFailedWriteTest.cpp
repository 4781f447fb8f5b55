// The custom colours file, its write on closing the colour dialog made to fail at every byte
// of a small file and at a spread of bytes of the largest file the dialog reads: after each
// failure the old file is whole, nothing is left beside it, and the user was told.
#include "colordlg/ColorModel.h"
#include "colordlg/CustomColorsFile.h"
#include "colordlg/hexcolorWin.h"
#include "platform/Application.h"
#include "platform/Files.h"
#include "FakeServices.h"
#include "app/Program.h"

#include "TempFolder.h"
#include "WriteFaults.h"

#include <QApplication>
#include <QListWidget>
#include <gtest/gtest.h>
#include <cstdio>

namespace {
// Opens the dialog on `old`, adds one colour and closes it with the write failing at each
// offset of what it writes, then once for real; returns the failures tried.
int CloseFailingAtEveryOffset(const std::string& old)
{
    TempFolder dir;
    dir.Write("CustomColors.dat", old);
    const std::set<std::string> before = FolderEntries(dir.Path());
    std::vector<std::string> reports;
    TestServices().ReportError = [&](const std::string& text) { reports.push_back(text); };
    const std::string written = FormatCustomColors(ParseCustomColors(old.substr(0, MaxCustomColorsBytes))) + "#123456\r\n";
    int tried = 0;
    for (const long long offset : FailureOffsets(written.size())) {
        {
            Thexcolor w(nullptr, dir / "CustomColors.dat");
            w.show();
            w.SetCurrentColor(RGB(0x12, 0x34, 0x56));
            w.AddCustomColor();
            FailWritesAfter(offset);
            w.close();
            FailWritesAfter(-1);
        }
        ++tried;
        EXPECT_EQ(reports.size(), size_t(tried)) << "offset " << offset;
        if (testing::Test::HasFailure()) break;
        EXPECT_TRUE(dir.Read("CustomColors.dat") == old) << "offset " << offset;
        EXPECT_EQ(FolderEntries(dir.Path()), before) << "offset " << offset;
        if (testing::Test::HasFailure()) break;
    }
    EXPECT_EQ(reports.back(), "The custom colours could not be saved. The colours added in this dialog are lost.");
    {
        Thexcolor w(nullptr, dir / "CustomColors.dat");
        w.show();
        w.SetCurrentColor(RGB(0x12, 0x34, 0x56));
        w.AddCustomColor();
        w.close();
    }
    TestServices().ReportError = ShowProgramError;
    EXPECT_EQ(size_t(tried), reports.size());
    EXPECT_TRUE(dir.Read("CustomColors.dat") == written);
    EXPECT_EQ(FolderEntries(dir.Path()), before);
    return tried;
}
} // namespace

TEST(CustomColorsFailedWrite, EveryByteOfASmallFile)
{
    const int tried = CloseFailingAtEveryOffset("#111111\r\n#AABBCC\r\n");
    EXPECT_EQ(tried, 27);
    std::printf("[ injected ] %d failed writes\n", tried);
}

TEST(CustomColorsFailedWrite, SpreadOverTheLargestFileTheDialogReads)
{
    std::string old;
    for (int i = 0; old.size() < MaxCustomColorsBytes; ++i) old += ColorToHex(TColor(i * 2654435761u & 0xFFFFFF)) + "\r\n";
    old.resize(MaxCustomColorsBytes);
    const int tried = CloseFailingAtEveryOffset(old);
    EXPECT_GT(tried, 40);
    std::printf("[ injected ] %d failed writes\n", tried);
}
