#pragma once
// What makes the application object this program's: its name, the text of its task-bar entry,
// its icon, its fonts, and the services it runs on.
#include "platform/Random.h"
#include "platform/Services.h"

#include <functional>
#include <memory>
#include <string>

class QApplication;
class QWidget;

void SetUpProgram(QApplication& app);

// Registers the bundled faces (a Tahoma of matching metrics and the substitutes for Courier
// New and Arial Narrow) and sets the application font to Tahoma 8 pt.
void InstallProgramFonts();
// The program's cursors in the application's cursor table: 11 the no-drop arrow of the
// ruler, 12 dragging text, 13 dragging a copy of it.
void InstallProgramCursors();

// The services of a real run: the system clock, keyboard and clipboard, the desktop's sounds
// (none while LEXIDRILL_SILENT is set), errors shown by ShowProgramError (start-up wires the
// main window in once there is one), the data beside the executable, and random numbers
// seeded anew at each start, so each run shuffles differently.
class TProgramServices : public TServices {
public:
    TProgramServices();
    ~TProgramServices();

private:
    std::unique_ptr<TSystemClock> FClock;
    std::unique_ptr<TSystemKeyboard> FKeys;
    std::unique_ptr<TSystemClipboard> FClipboard;
    std::unique_ptr<TSystemSounds> FSounds;
    std::unique_ptr<TCaretState> FCaret;
    std::unique_ptr<TSeededRandom> FRandom;
};

// The general error report of the program: the error's own text in the message box over the
// window the user is working in (the modal one, else the active one), or a plain critical
// message box while there is none.
void ShowProgramError(const std::string& text);
// The same, shown over `mainWindow`, while it lives, when no window is modal or active.
std::function<void(const std::string&)> ProgramErrorReport(QWidget* mainWindow);
