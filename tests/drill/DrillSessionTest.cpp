// The drill's session without any window: order, results, continue-on-error and the answer
// check, byte for byte.
#include "drill/DrillSession.h"

#include <algorithm>

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(DrillSession, AsksInListOrderAndEndsAfterTheLast)
{
    TDrillSession s;
    s.SetLists({"France", "Sweden"}, {"Paris", "Stockholm"});
    EXPECT_FALSE(s.Asking());
    s.Restart();
    EXPECT_EQ(s.CurrentIndex(), -1);
    ASSERT_TRUE(s.Next());
    EXPECT_TRUE(s.Asking());
    EXPECT_EQ(s.Question(), "France");
    EXPECT_EQ(s.Answer(), "Paris");
    ASSERT_TRUE(s.Next());
    EXPECT_EQ(s.Question(), "Sweden");
    EXPECT_FALSE(s.Next());
    EXPECT_FALSE(s.Asking());
    EXPECT_EQ(s.CurrentIndex(), 2);
    EXPECT_EQ(s.Answer(), "");
    EXPECT_FALSE(s.Record(true)) << "nothing is asked after the end";

    TDrillSession empty;
    empty.Restart();
    EXPECT_FALSE(empty.Next());
    EXPECT_EQ(empty.NumWithResult(true), 0);
    EXPECT_EQ(empty.NumWithResult(false), 0);
}

TEST(DrillSession, TheAnswerMustMatchByteForByte)
{
    TDrillSession s;
    s.SetLists({"Euro?", "Empty", "Capital of France?"}, {"\xE2\x82\xAC sign", "", "Paris"});
    EXPECT_FALSE(s.IsCorrect("Paris")) << "before the first question";
    s.Restart();
    s.Next();
    EXPECT_TRUE(s.IsCorrect("\xE2\x82\xAC sign"));
    EXPECT_FALSE(s.IsCorrect("? sign"));
    EXPECT_FALSE(s.IsCorrect(std::string("\xE2\x82\xAC sign\0", 10)));
    s.Next();
    EXPECT_TRUE(s.IsCorrect(""));
    EXPECT_FALSE(s.IsCorrect(" "));
    s.Next();
    for (const char* wrong : {"paris", "Paris ", " Paris", "Pa ris", "Paris.", "PARIS"}) EXPECT_FALSE(s.IsCorrect(wrong)) << wrong;
    EXPECT_TRUE(s.IsCorrect("Paris"));
    s.Next();
    EXPECT_FALSE(s.IsCorrect("Paris")) << "after the end";
}

TEST(DrillSession, AWrongAnswerStaysUnlessErrorsAreAccepted)
{
    TDrillSession s;
    s.SetLists({"1", "2", "3", "4", "5"}, {"a", "b", "c", "d", "e"});
    s.Restart();
    s.Next();
    EXPECT_FALSE(s.Record(false));
    EXPECT_EQ(s.NumWithResult(false), 1);
    EXPECT_TRUE(s.Record(true)) << "the same question answered right";
    EXPECT_EQ(s.NumWithResult(false), 0);
    EXPECT_EQ(s.NumWithResult(true), 1);

    s.SetAcceptErrors(true);
    s.Next();
    EXPECT_TRUE(s.Record(false));
    s.Next();
    EXPECT_TRUE(s.Record(true));
    s.Next();
    EXPECT_TRUE(s.Record(false));
    s.Next();
    EXPECT_TRUE(s.Record(false));
    EXPECT_EQ(s.NumWithResult(true), 2);
    EXPECT_EQ(s.NumWithResult(false), 3);
    EXPECT_FALSE(s.Next());
    EXPECT_EQ(s.NumWithResult(true), 2) << "past the end every result counts";
    EXPECT_TRUE(s.AcceptErrors());
}

TEST(DrillSession, ResultsFromALongerEarlierSessionDoNotCountInAShorterOne)
{
    TDrillSession s;
    s.SetLists({"1", "2", "3"}, {"a", "b", "c"});
    s.Restart();
    for (int i = 0; i < 3; ++i) {
        s.Next();
        s.Record(true);
    }
    s.SetLists({"1"}, {"z"});
    s.Restart();
    s.Next();
    s.SetAcceptErrors(true);
    EXPECT_TRUE(s.Record(s.IsCorrect("x")));
    EXPECT_FALSE(s.Next());
    EXPECT_EQ(s.NumWithResult(true), 0);
    EXPECT_EQ(s.NumWithResult(false), 1);
}

TEST(DrillSession, AnAnswerIsRightWhenBothAreTheSameInNfc)
{
    TDrillSession s;
    s.SetLists({"q"}, {"ha\xCC\x88st"}); // "a" and a combining diaeresis, as some files hold it
    s.Restart();
    s.Next();
    EXPECT_TRUE(s.IsCorrect("h\xC3\xA4st")) << "\"ä\" as typed";
    for (const char* wrong : {"H\xC3\xA4st", "h\xC3\xA4st ", "hast", "h\xC3\xA4st."}) EXPECT_FALSE(s.IsCorrect(wrong)) << wrong;
}

TEST(DrillSession, RandomOrderAsksEveryPairOnceInAFreshOrderEachSession)
{
    TSeededRandom random(7);
    TDrillSession s(&random);
    Lines questions, answers;
    for (int i = 0; i < 500; ++i) {
        questions.push_back("q" + std::to_string(i));
        answers.push_back("a" + std::to_string(i));
    }
    s.SetLists(questions, answers);
    s.SetRandomOrder(true);
    std::vector<Lines> asked(2);
    for (Lines& run : asked) {
        s.Restart();
        while (s.Next()) {
            EXPECT_TRUE(s.IsCorrect("a" + s.Question().substr(1))) << s.Question();
            run.push_back(s.Question());
        }
    }
    EXPECT_NE(asked[0], questions);
    EXPECT_NE(asked[0], asked[1]);
    std::sort(questions.begin(), questions.end());
    for (Lines& run : asked) EXPECT_EQ((std::sort(run.begin(), run.end()), run), questions);
}

TEST(DrillSession, ReverseAsksTheAnswersAndExpectsTheQuestions)
{
    TDrillSession s;
    s.SetLists({"France", "Sweden"}, {"Paris", "Stockholm"});
    s.SetReverse(true);
    s.Restart();
    s.Next();
    s.Next();
    EXPECT_EQ(s.Question(), "Stockholm");
    EXPECT_EQ(s.Answer(), "Sweden");
    EXPECT_TRUE(s.IsCorrect("Sweden"));
    EXPECT_FALSE(s.IsCorrect("Stockholm"));
}

TEST(DrillSession, RepeatMissedAsksTheItemsWhoseFirstAnswerWasWrongUntilNoneIsLeft)
{
    TDrillSession s;
    s.SetLists({"1", "2", "3", "4", "5"}, {"a", "b", "c", "d", "e"});
    s.Restart();
    s.Next(), s.Record(false), s.Record(true);   // wrong, then right
    s.Next(), s.Record(true);                    // right
    s.Next(), s.RevealAnswer(), s.Record(true);  // shown the answer, then right
    s.SetAcceptErrors(true);
    s.Next(), s.Record(false);                   // wrong, moving on
    s.Next(), s.Record(true), s.RevealAnswer();  // right
    EXPECT_FALSE(s.RepeatMissed()) << "the session has not ended";
    // Each session answered right, wrong, right ...; what it asked, in order.
    auto run = [&s](std::vector<bool> answers) {
        Lines asked;
        for (bool right : answers) asked.push_back((s.Next(), s.Record(right), s.Question()));
        EXPECT_FALSE(s.Next());
        return asked;
    };
    run({});
    ASSERT_TRUE(s.RepeatMissed());
    EXPECT_EQ(run({true, false, true}), (Lines{"1", "3", "4"}));
    ASSERT_TRUE(s.RepeatMissed());
    EXPECT_EQ(run({true}), Lines{"3"});
    EXPECT_FALSE(s.CanRepeatMissed());
    EXPECT_FALSE(s.RepeatMissed());
    s.Restart();
    EXPECT_EQ(s.Count(), 5);
}
