// Lexidrill start-up.
#include "app/main.h"
#include "platform/Application.h"

#include <memory>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    InstallProgramFonts();
    app.setApplicationName("Lexidrill");
    app.setApplicationDisplayName("Lexidrill");
    app.setWindowIcon(ApplicationIcon());

    // The first window created is the main window: closing it ends the program.
    auto main = std::make_unique<TmainFrm>();
    mainFrm = main.get();
    main->show();
    const int rc = app.exec();
    mainFrm = nullptr;
    return rc;
}
