#include "app/Program.h"

#include "app/main.h"
#include "platform/Application.h"
#include "platform/Pointer.h"
#include "platform/SystemCaret.h"
#include "platform/Win1252.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>

#include <cstdlib>

void SetUpProgram(QApplication& app)
{
    app.setApplicationName("Lexidrill");
    // No display name: the platform would append it to every caption that does not already
    // end in it ("Settings — Lexidrill"), while each window's caption is to read exactly its own
    // text. The task bar shows the application name either way.
    app.setWindowIcon(ProgramIcon());
}

void InstallProgramFonts()
{
    static bool done = false;
    if (done) return;
    done = true;
    AddFont("/usr/share/wine/fonts/tahoma.ttf");
    AddFont("/usr/share/wine/fonts/tahomabd.ttf");
    QFont::insertSubstitution("Tahoma", "Liberation Sans");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont font("Tahoma");
    font.setPixelSize(11);
    QApplication::setFont(font);
}

QIcon ProgramIcon()
{
    // Built once: every dialog box shows it, and an icon built afresh for each one decodes the
    // pictures again and leaves their scaled copies in Qt's pixmap cache, so memory grew with
    // every box until the cache was full. Never destroyed, as it may outlive the application.
    static const QIcon* icon = [] {
        auto* built = new QIcon;
        for (int size : {16, 32, 48})
            built->addFile(QString(":/icons/lexidrill-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return *icon;
}

void InstallProgramCursors()
{
    SetCustomCursor(11, LoadCursor(":/cursors/noarrow.png", 20, 5));
    SetCustomCursor(12, LoadCursor(":/cursors/drag.png", 1, 1));
    SetCustomCursor(13, LoadCursor(":/cursors/copydrag.png", 1, 1));
}

TProgramServices::TProgramServices()
    : FClock(std::make_unique<TSystemClock>()), FKeys(std::make_unique<TSystemKeyboard>()),
      FClipboard(std::make_unique<TSystemClipboard>()), FCaret(std::make_unique<TCaretState>())
{
    Caret = FCaret.get();
    Clock = FClock.get();
    Keys = FKeys.get();
    Clipboard = FClipboard.get();
    if (!std::getenv("LEXIDRILL_SILENT")) {
        FSounds = std::make_unique<TSystemSounds>("Lexidrill");
        Sound = FSounds.get();
    }
    ReportError = ShowProgramError;
}

TProgramServices::~TProgramServices() = default;

void ShowProgramError(const std::string& text)
{
    if (mainFrm) mainFrm->ldMessageBox(text);
    else QMessageBox::critical(nullptr, QApplication::applicationName(), ToQString(text));
}
