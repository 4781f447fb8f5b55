// The entity tables of automatic encoding.
#include "editor/model/EntityTables.h"

#include <gtest/gtest.h>

TEST(EntityTables, ThirtyRowsEachPairedByPosition)
{
    TEntityTables t;
    ASSERT_EQ(t.LetterChars.size(), 30u);
    ASSERT_EQ(t.LetterEntities.size(), 30u);
    ASSERT_EQ(t.SymbolChars.size(), 30u);
    ASSERT_EQ(t.SymbolEntities.size(), 30u);
    EXPECT_EQ(t.LetterChars[0], "\xC5");
    EXPECT_EQ(t.LetterEntities[0], "&Aring;");
    EXPECT_EQ(t.LetterChars[27], "\x8C");
    EXPECT_EQ(t.LetterEntities[27], "&OElig;");
    EXPECT_EQ(t.LetterChars[29], "\xFF");
    EXPECT_EQ(t.LetterEntities[29], "&yuml;");
    EXPECT_EQ(t.SymbolChars[6], "\x99");
    EXPECT_EQ(t.SymbolEntities[6], "&trade;");
    EXPECT_EQ(t.SymbolChars[29], "\xBB");
    EXPECT_EQ(t.SymbolEntities[29], "&raquo;");
    for (const auto& c : t.LetterChars) EXPECT_EQ(c.size(), 1u);
    for (const auto& c : t.SymbolChars) EXPECT_EQ(c.size(), 1u);
}

TEST(EntityTables, LettersFoundWithoutRegardToCase)
{
    TEntityTables t;
    EXPECT_EQ(t.EntityFor(U'Ä'), "&Auml;"); // Ä
    EXPECT_EQ(t.EntityFor(U'ä'), "&auml;"); // ä
    EXPECT_EQ(t.EntityFor(U'å'), "&aring;"); // å
    EXPECT_EQ(t.EntityFor(U'Æ'), "&AElig;"); // Æ
    EXPECT_EQ(t.EntityFor(U'æ'), "&aelig;"); // æ
    EXPECT_EQ(t.EntityFor(U'œ'), "&oelig;"); // œ
    EXPECT_EQ(t.EntityFor(U'ß'), "&szlig;"); // ß
    EXPECT_EQ(t.EntityFor(U'é'), "&eacute;"); // é
}

TEST(EntityTables, SymbolsFoundExactly)
{
    TEntityTables t;
    EXPECT_EQ(t.EntityFor(U'©'), "&copy;");
    EXPECT_EQ(t.EntityFor(U'ð'), "&eth;"); // ð
    EXPECT_EQ(t.EntityFor(U'Ð'), "&ETH;"); // Ð
    EXPECT_EQ(t.EntityFor(U'þ'), "&thorn;");
    EXPECT_EQ(t.EntityFor(U'Þ'), "&THORN;");
    EXPECT_EQ(t.EntityFor(U'€'), "&euro;");
    EXPECT_EQ(t.EntityFor(U'“'), "&ldquo;");
}

TEST(EntityTables, OtherCharactersHaveNoEntity)
{
    TEntityTables t;
    EXPECT_FALSE(t.EntityFor(U'ž')); // ž
    EXPECT_FALSE(t.EntityFor('a'));
    EXPECT_FALSE(t.EntityFor('&'));
    EXPECT_FALSE(t.EntityFor(' '));
    EXPECT_FALSE(t.EntityFor('<'));
}
