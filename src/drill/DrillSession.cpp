#include "drill/DrillSession.h"

#include "platform/Utf8.h"

#include <algorithm>

void TDrillSession::SetLists(std::vector<std::string> questions, std::vector<std::string> answers)
{
    QuestionList = std::move(questions);
    AnswerList = std::move(answers);
}

void TDrillSession::Restart()
{
    Index = -1;
    Results.resize(QuestionList.size());
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
    return correct || FAcceptErrors;
}

int32_t TDrillSession::NumWithResult(bool correct) const
{
    if (Index < 0 || Results.empty()) return 0;
    const size_t last = std::min<size_t>(size_t(Index), Results.size() - 1);
    return static_cast<int32_t>(std::count(Results.begin(), Results.begin() + last + 1, uint8_t(correct ? 1 : 0)));
}
