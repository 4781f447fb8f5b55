// What crosses between the editor's Windows-1252 text and the rest of the program's UTF-8.
#include "editor/model/InnerText.h"

#include <gtest/gtest.h>

TEST(InnerText, AListWithACharacterTheEditorCannotHoldIsRefusedWithItsLine)
{
    const struct {
        std::string Text;
        int Line;
    } cases[] = {
        {"\xd0\x96", 1},                                       // Cyrillic Zhe
        {"h\xc3\xa4st\r\nk\xc3\xb6k\r\n\xd0\xbc\xd0\xb8\xd1\x80\r\n", 3},
        {"a\rb\nc\r\nd\n\r\xce\xb1", 6},                       // Greek alpha after every kind of break
        {"\xef\xbb\xbf" "ok\r\n\xe6\x97\xa5\r\n", 2},          // CJK after the mark
        {"\xc2\x80", 1},                                       // U+0080: the byte 0x80 is the euro sign
        {"x\xef\xbb\xbfy", 1},                                 // a mark that is not at the start
        {"\xf0\x9f\x98\x80", 1},                               // beyond the 16-bit range
        {std::string("\xff\xfe" "a\0\r\0\n\0\x16\x04", 10), 2}, // UTF-16
    };
    for (const auto& c : cases) {
        TTextEncoding encoding;
        try {
            InnerTextFromFile(c.Text, encoding);
            ADD_FAILURE() << "accepted " << testing::PrintToString(c.Text);
        } catch (const EUnmappableText& e) {
            EXPECT_EQ(e.Line, c.Line) << testing::PrintToString(c.Text);
        }
    }
    // The five bytes Windows-1252 leaves unassigned stand for the C1 controls of their value.
    TTextEncoding encoding;
    EXPECT_EQ(InnerTextFromFile("\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d", encoding), "\x81\x8d\x8f\x90\x9d");
    EXPECT_EQ(encoding, TTextEncoding::Utf8);
}

TEST(InnerText, TextFromOutsideLosesNothing)
{
    // What Windows-1252 holds comes in as its bytes; anything else as a reference to it.
    EXPECT_EQ(InnerTextFromUtf8("r\xc3\xa4v \xe2\x82\xac"), "r\xe4v \x80");
    EXPECT_EQ(InnerTextFromUtf8("\xd0\xa1\xd0\xbb\xc3\xa4 \xf0\x9f\x98\x80"), "&#1057;&#1083;\xe4 &#128512;");
    EXPECT_EQ(Utf8FromInnerText("r\xe4v \x80"), "r\xc3\xa4v \xe2\x82\xac");
}
