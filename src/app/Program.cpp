#include "app/Program.h"

#include "app/DialogBoxes.h"
#include "app/DialogParts.h"
#include "platform/Application.h"
#include "platform/Pointer.h"
#include "platform/SystemCaret.h"
#include "platform/Utf8.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPointer>

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

void InstallProgramCursors()
{
    SetCustomCursor(11, LoadCursor(":/cursors/noarrow.png", 20, 5));
    SetCustomCursor(12, LoadCursor(":/cursors/drag.png", 1, 1));
    SetCustomCursor(13, LoadCursor(":/cursors/copydrag.png", 1, 1));
}

TProgramServices::TProgramServices()
    : FClock(std::make_unique<TSystemClock>()), FKeys(std::make_unique<TSystemKeyboard>()),
      FClipboard(std::make_unique<TSystemClipboard>()), FCaret(std::make_unique<TCaretState>()),
      FRandom(std::make_unique<TSeededRandom>(FreshSeed()))
{
    Caret = FCaret.get();
    Clock = FClock.get();
    Keys = FKeys.get();
    Clipboard = FClipboard.get();
    Random = FRandom.get();
    if (!std::getenv("LEXIDRILL_SILENT")) {
        FSounds = std::make_unique<TSystemSounds>("Lexidrill");
        Sound = FSounds.get();
    }
    ReportError = ShowProgramError;
}

TProgramServices::~TProgramServices() = default;

namespace {
void ShowErrorOver(QWidget* mainWindow, const std::string& text)
{
    // A modal window takes all input, so that is where the user is, even while another
    // program has the focus.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = QApplication::activeWindow();
    if (!owner) owner = mainWindow;
    if (owner) ldMessageBox(owner, text);
    else QMessageBox::critical(nullptr, QApplication::applicationName(), QStringFromUtf8(text));
}
} // namespace

void ShowProgramError(const std::string& text) { ShowErrorOver(nullptr, text); }

std::function<void(const std::string&)> ProgramErrorReport(QWidget* mainWindow)
{
    // Guarded: an error reported after the main window has gone finds none to fall back on.
    return [window = QPointer<QWidget>(mainWindow)](const std::string& text) { ShowErrorOver(window, text); };
}
