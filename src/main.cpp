// Lexidrill start-up.
#include "platform/Application.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    InstallProgramFonts();
    app.setApplicationName("Lexidrill");
    return 0;
}
