#pragma once
// What the main window needs of the drill window. The drill window implements it; start-up
// hands it to the main window, so the shell does not depend on the drill.
#include <string>
#include <vector>

class QScreen;

// Everything a drill starts from: the two lists, the texts of the main window's three
// selectors as they stood at Execute, shown above the drill, and the screen the main window is
// on, which the drill covers.
struct TDrillStart {
    std::vector<std::string> Questions;
    std::vector<std::string> Answers;
    std::string Project;
    std::string List1;
    std::string List2;
    QScreen* Screen = nullptr;
};

class IDrillWindow {
public:
    virtual ~IDrillWindow() = default;
    // Shows the drill window over the whole screen and asks the first question.
    virtual void StartDrill(TDrillStart start) = 0;
};
