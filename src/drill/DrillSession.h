#pragma once
// One drill over a question list and its answer list, apart from any window: the questions in
// list order, a result for each answered one, whether a wrong answer moves on, and the check
// of a typed answer.
#include <cstdint>
#include <string>
#include <vector>

class TDrillSession {
public:
    void SetLists(std::vector<std::string> questions, std::vector<std::string> answers);
    // Open to changes between sessions; Restart sizes the results to them.
    std::vector<std::string>& Questions() { return QuestionList; }
    std::vector<std::string>& Answers() { return AnswerList; }
    int32_t Count() const { return static_cast<int32_t>(QuestionList.size()); }

    // Before the first question again. Results of an earlier session stay where they are: only
    // the questions up to the current one are ever counted, and each is answered before then.
    void Restart();
    // On to the next question; false once past the last one, which ends the drill.
    bool Next();
    int32_t CurrentIndex() const { return Index; }
    // A question is being asked (the drill has started and not ended).
    bool Asking() const;
    const std::string& Question() const { return QuestionList[size_t(Index)]; }
    // The current question's answer line; empty when there is none.
    const std::string& Answer() const;

    // True when `typed` is the current answer line once both are brought to Unicode NFC, so
    // "ä" typed answers the "a" and combining diaeresis of a file; letter case, spaces and
    // punctuation count exactly.
    bool IsCorrect(const std::string& typed) const;
    // Keeps the result of the current question (while one is asked); returns whether the drill
    // goes on to the next question: after a right answer, or a wrong one with AcceptErrors.
    bool Record(bool correct);
    // How many results up to the current question equal `correct`.
    int32_t NumWithResult(bool correct) const;

    bool AcceptErrors() const { return FAcceptErrors; }
    void SetAcceptErrors(bool accept) { FAcceptErrors = accept; }

private:
    std::vector<std::string> QuestionList;
    std::vector<std::string> AnswerList;
    int32_t Index = -1;
    // One byte per question rather than packed bits: counting bytes is several times faster,
    // and every answer counts up to the current question twice.
    std::vector<uint8_t> Results;
    bool FAcceptErrors = false;
};
