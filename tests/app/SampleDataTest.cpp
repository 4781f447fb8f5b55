// The sample lists and projects shipped in data/ must work as they stand.
#include "app/DataStore.h"
#include "FakeServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace {
// The build names the source folder: __FILE__ may be relative to wherever the compiler ran
// (a compiler cache rewrites paths), and the test runs in the build folder.
std::string SourceData() { return std::string(LEXIDRILL_SOURCE_DIR) + "/data/"; }

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

TEST(SampleData, EveryProjectPairsTwoListsOfEqualLength)
{
    UseBaseFolder(SourceData());
    const auto projects = GetDisplayNames(TFolderKind::Projects);
    ASSERT_GE(projects.size(), 2u);
    for (const std::string& p : projects) {
        const auto lines = LoadLines(ProjectFilePath(p));
        ASSERT_EQ(lines.size(), 2u) << p;
        const auto questions = LoadLines(ListFilePath(lines[0]));
        const auto answers = LoadLines(ListFilePath(lines[1]));
        EXPECT_GT(questions.size(), 0u) << p;
        EXPECT_EQ(questions.size(), answers.size()) << p;
    }
}

TEST(SampleData, ListsAreWindows1252WithCrLfLineEnds)
{
    UseBaseFolder(SourceData());
    bool swedishLetters = false;
    for (const std::string& name : GetDisplayNames(TFolderKind::Lists)) {
        const std::string bytes = Bytes(ListFilePath(name));
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') EXPECT_EQ(bytes[i - 1], '\r') << name << " at " << i;
            // No UTF-8 lead bytes (0xC3 would start å, ä, ö in UTF-8).
            EXPECT_NE(static_cast<unsigned char>(bytes[i]), 0xC3) << name << " at " << i;
        }
        if (bytes.find('\xe5') != std::string::npos && bytes.find('\xe4') != std::string::npos &&
            bytes.find('\xf6') != std::string::npos)
            swedishLetters = true;
    }
    EXPECT_TRUE(swedishLetters);
}
