// Replays the fuzz targets' seed corpora and every input a fuzzer once found failing
// (fuzz/regressions/<target>/) through the targets' own checks, so the ordinary test run
// keeps what fuzzing found.
#include "FuzzChecks.h"
#include "TempFolder.h"
#include "app/DataStore.h"
#include "platform/TextEncoding.h"
#include "platform/TextLines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace fs = std::filesystem;

namespace {
struct TInput {
    std::string Name;
    std::string Bytes;
};

// Every file of fuzz/corpus/<target> and fuzz/regressions/<target>.
std::vector<TInput> Inputs(const std::string& target)
{
    std::vector<TInput> inputs;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path dir = fs::path(LEXIDRILL_FUZZ_DIR) / kind / target;
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            std::ifstream in(entry.path(), std::ios::binary);
            inputs.push_back({entry.path().filename().string(),
                              std::string(std::istreambuf_iterator<char>(in), {})});
        }
    }
    return inputs;
}
// Every seed of `target` (at least `least` of them) passes `check`, which names what fails.
void ExpectEverySeedHolds(const std::string& target, size_t least,
                          const std::function<std::string(const std::string&)>& check)
{
    const std::vector<TInput> inputs = Inputs(target);
    ASSERT_GE(inputs.size(), least);
    for (const TInput& input : inputs) EXPECT_EQ(check(input.Bytes), "") << input.Name;
}
} // namespace

TEST(FuzzCorpus, ReferenceSplitFollowsTheLineRules)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ReferenceSplit(""), Lines{});
    EXPECT_EQ(ReferenceSplit("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(ReferenceSplit("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(ReferenceSplit("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(ReferenceSplit("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(ReferenceSplit("a\rb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(ReferenceSplit(std::string("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
    EXPECT_EQ(ReferenceSplit(std::string("\0a", 2)), Lines{});
}

TEST(FuzzCorpus, LineReadingHoldsForEverySeed)
{
    ExpectEverySeedHolds("LinesFuzz", 8, CheckLineReading);
}

TEST(FuzzCorpus, ProjectFileHoldsForEverySeed)
{
    TempFolder base;
    ExpectEverySeedHolds("ProjectFileFuzz", 8, [&](const std::string& bytes) { return CheckProjectFile(bytes, base.Path()); });
}

TEST(FuzzCorpus, ProjectFileCheckWritesTheTwoNamesBack)
{
    TempFolder base;
    ASSERT_EQ(CheckProjectFile(std::string("\x05WordsQuestions\nAnswers\rmore"), base.Path()), "");
    EXPECT_EQ(base.Read("Projects/Words.rep"), "Questions\r\nAnswers\r\n");
}

// Found by fuzzing: a line holding only the byte-order mark, inside UTF-8 text. It is the
// character U+FEFF there, and a line of it. The checks' reference once decoded each line with
// QString::fromUtf8, which drops a leading mark, and took the line for an empty one.
TEST(FuzzCorpus, AMarkAloneOnALineInsideUtf8TextIsACharacterNotAnEmptyLine)
{
    std::string list = "apple\r\n2\r\n13\r\n\xEF\xBB\xBF\n15\r\n";
    DecodeText(list);
    EXPECT_EQ(SplitLines(list)[3], "\xEF\xBB\xBF");
    EXPECT_EQ(CheckLineReading("apple\r\n2\r\n13\r\n\xEF\xBB\xBF\n15\r\n"), "");

    TempFolder base;
    base.Write("P.rep", "Q\xC3\xA5\r\n\xEF\xBB\xBF\r\n");
    const std::vector<std::string> lines = LoadLines(base / "P.rep");
    EXPECT_EQ(lines, (std::vector<std::string>{"Q\xC3\xA5", "\xEF\xBB\xBF"}));
    EXPECT_EQ(CheckProjectFile(std::string("\x01P") + "Q\xC3\xA5\r\n\xEF\xBB\xBF\r\n", base.Path()), "");
}

TEST(FuzzCorpus, HexToColorHoldsForEverySeed)
{
    ExpectEverySeedHolds("HexToColorFuzz", 8, CheckHexToColor);
}

TEST(FuzzCorpus, CustomColorsHoldForEverySeed)
{
    TempFolder folder;
    ExpectEverySeedHolds("CustomColorsFuzz", 5, [&](const std::string& bytes) { return CheckCustomColors(bytes, folder.Path()); });
    // Past the most that is read, the file loads as its first part.
    std::string big;
    while (big.size() < 70000) big += "#ABCDEF\r\n";
    EXPECT_EQ(CheckCustomColors(big, folder.Path()), "");
}

TEST(FuzzCorpus, DocumentEditsHoldForEverySeed)
{
    ExpectEverySeedHolds("EditDocumentFuzz", 6, CheckDocumentEdits);
    // Input that ends in the middle of an edit reads zeros for the rest.
    EXPECT_EQ(CheckDocumentEdits(std::string("\x03" "ab\n" "\x07\x00", 6)), "");
    EXPECT_EQ(CheckDocumentEdits(std::string("\x00\x06\x05", 3)), "");
}
