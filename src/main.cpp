// Lexidrill start-up: the program's services, the application object, its title and hints,
// then the four windows that live for the whole run, in their fixed order, each handed what it
// needs of the others. Only the main window is shown; closing it ends the program, and the
// windows are destroyed in the reverse order.
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
    auto drill = std::make_unique<TrepetitionsFrm>();
    main->SetDrillWindow(drill.get());
    drill->OnClosed = [window = main.get()] { window->ReturnFromDrill(); };
    auto settings = std::make_unique<TSettingsFrm>();
    main->SetSettingsWindow(settings.get());
    // Lists and projects made or removed in the settings window show in the selectors.
    settings->OnClosed = [window = main.get()] { window->LoadListsFromFile(); };
    auto projects = std::make_unique<TprojectsFrm>();
    settings->SetProjectsWindow(projects.get());
    services.ReportError = ProgramErrorReport(main.get());

    // The drill window is the only one shown while a drill runs; the program ends with the
    // main window alone.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(main.get(), &QDialog::finished, &app, &QApplication::quit);
    main->show();
    const int rc = app.exec();

    projects.reset();
    settings.reset();
    drill.reset();
    main.reset();
    return rc;
}
