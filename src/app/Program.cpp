#include "app/Program.h"

#include "platform/Application.h"

#include <QApplication>

void SetUpProgram(QApplication& app)
{
    app.setApplicationName("Lexidrill");
    // No display name: the platform would append it to every caption that does not already
    // end in it ("Settings — Lexidrill"), while each window's caption is to read exactly its own
    // text. The task bar shows the application name either way.
    app.setWindowIcon(ApplicationIcon());
}
