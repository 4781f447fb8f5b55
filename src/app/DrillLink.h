#pragma once
// What the main window needs of the drill window. The drill window implements it; start-up
// hands it to the main window, so the shell does not depend on the drill.
#include <string>
#include <vector>

class IDrillWindow {
public:
    virtual ~IDrillWindow() = default;
    virtual std::vector<std::string>& QuestionItems() = 0;
    virtual std::vector<std::string>& AnswerItems() = 0;
    // Shows the drill window (it lays itself out over the whole screen).
    virtual void ShowDrill() = 0;
    // Sets the three counters lblI, lblN and lblE to `text`.
    virtual void SetCounters(const std::string& text) = 0;
    // Progress indicator to NumTotal 1, NumRight 0, NumWrong 0.
    virtual void ResetIndicator() = 0;
    virtual void DoNewSession() = 0;
};
