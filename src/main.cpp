// Lexidrill start-up: the program's services, the application object, its title and hints,
// then the four windows that live for the whole run, in their fixed order. Only the main window is shown; closing
// it ends the program, and the windows are destroyed in the reverse order.
#include "app/Program.h"
#include "app/main.h"
#include "drill/repetitions.h"
#include "manage/projects.h"
#include "manage/settings.h"
#include "platform/Application.h"

#include <memory>

int main(int argc, char** argv)
{
    TProgramServices services;
    TApplication app(argc, argv, services);
    InstallProgramFonts();
    InstallProgramCursors();
    SetUpProgram(app);
    // Hints show their command's shortcut (TAction::HintWithShortcut) from here on.

    auto main = std::make_unique<TmainFrm>();
    mainFrm = main.get();
    auto drill = std::make_unique<TrepetitionsFrm>();
    repetitionsFrm = drill.get();
    main->SetDrillWindow(drill.get());
    auto settings = std::make_unique<TSettingsFrm>();
    SettingsFrm = settings.get();
    main->SetSettingsWindow(settings.get());
    auto projects = std::make_unique<TprojectsFrm>();
    projectsFrm = projects.get();

    // The drill window is the only one shown while a drill runs; the program ends with the
    // main window alone.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(main.get(), &QDialog::finished, &app, &QApplication::quit);
    main->show();
    const int rc = app.exec();

    projects.reset();
    projectsFrm = nullptr;
    settings.reset();
    SettingsFrm = nullptr;
    drill.reset();
    repetitionsFrm = nullptr;
    main.reset();
    mainFrm = nullptr;
    return rc;
}
