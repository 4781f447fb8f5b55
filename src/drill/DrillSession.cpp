#include "drill/DrillSession.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <numeric>

TDrillSession::TDrillSession(TRandomSource* random) : Random(random) {}

void TDrillSession::SetLists(std::vector<std::string> questions, std::vector<std::string> answers)
{
    QuestionItems = std::move(questions);
    AnswerItems = std::move(answers);
    Order.clear();
    Missed.clear();
    NumMissed = 0;
    Index = -1;
}

void TDrillSession::Restart()
{
    // Only whole pairs are asked; the lists a drill starts with always pair up.
    const size_t pairs = std::min(QuestionItems.size(), AnswerItems.size());
    Order.resize(pairs);
    std::iota(Order.begin(), Order.end(), 0);
    Missed.assign(pairs, 0);
    NumMissed = 0;
    Begin();
}

bool TDrillSession::RepeatMissed()
{
    if (!CanRepeatMissed()) return false;
    // Gathered in list order whatever order they were asked in; a session that asks its items
    // at random shuffles them afresh.
    Order.clear();
    for (size_t i = 0; i < Missed.size(); ++i)
        if (Missed[i]) {
            Order.push_back(int32_t(i));
            Missed[i] = 0;
        }
    NumMissed = 0;
    Begin();
    return true;
}

bool TDrillSession::CanRepeatMissed() const { return NumMissed > 0 && Index >= Count(); }

void TDrillSession::Begin()
{
    if (FRandomOrder && Random) std::shuffle(Order.begin(), Order.end(), *Random);
    QuestionList.Show(FReverse ? AnswerItems : QuestionItems, Missed.size());
    AnswerList.Show(FReverse ? QuestionItems : AnswerItems, Missed.size());
    Index = -1;
    Answered = -1;
    Results.resize(Order.size());
}

bool TDrillSession::Next()
{
    ++Index;
    return Index <= Count() - 1;
}

bool TDrillSession::Asking() const { return Index >= 0 && Index < Count() && size_t(Index) < Results.size(); }

const std::string& TDrillSession::Answer() const
{
    static const std::string none;
    return Index >= 0 && size_t(Index) < AnswerList.size() ? AnswerList[size_t(Index)] : none;
}

bool TDrillSession::IsCorrect(const std::string& typed) const
{
    if (Index < 0 || Index >= Count() || size_t(Index) >= AnswerList.size()) return false;
    return SameAfterNfc(typed, AnswerList[size_t(Index)]);
}

bool TDrillSession::Record(bool correct)
{
    if (!Asking()) return false;
    Results[size_t(Index)] = correct ? 1 : 0;
    FirstAnswer(correct);
    return correct || FAcceptErrors;
}

void TDrillSession::RevealAnswer()
{
    if (Asking()) FirstAnswer(false);
}

void TDrillSession::FirstAnswer(bool correct)
{
    // The questions are asked one after the other, so the current one has had its first
    // answer exactly when it is the last one that had any.
    if (Answered == Index) return;
    Answered = Index;
    if (!correct) {
        Missed[size_t(Order[size_t(Index)])] = 1;
        ++NumMissed;
    }
}

int32_t TDrillSession::NumWithResult(bool correct) const
{
    if (Index < 0 || Results.empty()) return 0;
    const size_t last = std::min<size_t>(size_t(Index), Results.size() - 1);
    return static_cast<int32_t>(std::count(Results.begin(), Results.begin() + last + 1, uint8_t(correct ? 1 : 0)));
}
