#pragma once
// One drill over a question list and its answer list, apart from any window: the items of the
// session in the order they are asked (list order or shuffled, the whole lists or just the
// items missed last time, either list asked), a result for each answered one, whether a wrong
// answer moves on, and the check of a typed answer.
#include "platform/Random.h"

#include <cstdint>
#include <string>
#include <vector>

class TDrillSession {
public:
    // `random` shuffles the items while RandomOrder is on; none: they stay in list order.
    explicit TDrillSession(TRandomSource* random = nullptr);
    // The session reads the lists through views of its own members.
    TDrillSession(const TDrillSession&) = delete;
    TDrillSession& operator=(const TDrillSession&) = delete;

    // New lists; no session runs over them until Restart.
    void SetLists(std::vector<std::string> questions, std::vector<std::string> answers);
    // Open to changes between sessions; Restart builds the session from them.
    std::vector<std::string>& Questions() { return QuestionItems; }
    std::vector<std::string>& Answers() { return AnswerItems; }
    // How many questions this session asks.
    int32_t Count() const { return static_cast<int32_t>(QuestionList.size()); }

    // A session over the whole lists, every pair once, before its first question. Results of
    // an earlier session stay where they are: only the questions up to the current one are
    // ever counted, and each is answered before then.
    void Restart();
    // A session of just the items missed in the one that has ended; false, and nothing
    // changes, when there are none or the session has not ended.
    bool RepeatMissed();
    bool CanRepeatMissed() const;
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
    // The user has been shown the current question's answer: unless answered already, the
    // question is missed, even when the answer shown is then accepted as right.
    void RevealAnswer();
    // How many results up to the current question equal `correct`.
    int32_t NumWithResult(bool correct) const;

    bool AcceptErrors() const { return FAcceptErrors; }
    void SetAcceptErrors(bool accept) { FAcceptErrors = accept; }
    // Each later session asks its items in a fresh random order.
    bool RandomOrder() const { return FRandomOrder; }
    void SetRandomOrder(bool on) { FRandomOrder = on; }
    // Each later session asks the answer list's items and expects the question list's.
    bool Reverse() const { return FReverse; }
    void SetReverse(bool on) { FReverse = on; }

private:
    // One list seen through the session: entry i is the list's item Order[i].
    class TSessionSide {
    public:
        explicit TSessionSide(const std::vector<int32_t>& order) : Order(&order) {}
        void Show(const std::vector<std::string>& items, size_t span)
        {
            Items = &items;
            Span = span;
        }
        // Nothing once the list has lost items the session asks for.
        size_t size() const { return Items && Items->size() >= Span ? Order->size() : 0; }
        const std::string& operator[](size_t i) const { return (*Items)[size_t((*Order)[i])]; }

    private:
        const std::vector<std::string>* Items = nullptr;
        const std::vector<int32_t>* Order;
        size_t Span = 0;
    };

    // Starts the session over the items in Order, which are in list order.
    void Begin();
    // Takes the first answer given to the current question, which alone decides a miss.
    void FirstAnswer(bool correct);

    TRandomSource* Random;
    // The lists as loaded, in list order.
    std::vector<std::string> QuestionItems;
    std::vector<std::string> AnswerItems;
    // The pairs of this session, as indices into the lists, in the order asked.
    std::vector<int32_t> Order;
    // What is asked and what is expected, in the order asked.
    TSessionSide QuestionList{Order};
    TSessionSide AnswerList{Order};
    int32_t Index = -1;
    // One byte per question rather than packed bits: counting bytes is several times faster,
    // and every answer counts up to the current question twice.
    std::vector<uint8_t> Results;
    // Per pair of the lists: its first answer in this session was wrong.
    std::vector<uint8_t> Missed;
    int32_t NumMissed = 0;
    // The question whose first answer has been taken.
    int32_t Answered = -1;
    bool FAcceptErrors = false;
    bool FRandomOrder = false;
    bool FReverse = false;
};
