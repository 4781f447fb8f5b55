#include "platform/Application.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>

#include "platform/Win1252.h"

#include <malloc.h>

namespace {
std::function<void(const std::string&)> gReporter;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // A list of a million lines is a million small blocks and one large array. By default
    // glibc serves every block over 128 KB with a mapping of its own and hands the top of the
    // heap back to the system once 128 KB of it lie free, so each list loaded after another
    // touches fresh pages again, and a page fault is the most expensive thing a load does
    // (on virtual machines by far). Keep freed memory for the next list instead, giving the
    // system back only what exceeds 256 MB.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ESilentCancel&) {
    } catch (const std::exception& e) {
        ReportError(e.what());
    }
    return true;
}

void SetErrorReporter(std::function<void(const std::string&)> reporter) { gReporter = std::move(reporter); }

void ReportError(const std::string& text)
{
    if (gReporter) gReporter(text);
    else QMessageBox::critical(nullptr, QApplication::applicationName(), ToQString(text));
}

void RunGuarded(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ESilentCancel&) {
    } catch (const std::exception& e) {
        ReportError(e.what());
    }
}

void InstallProgramFonts()
{
    static bool done = false;
    if (done) return;
    done = true;
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
    QFont::insertSubstitution("Tahoma", "Liberation Sans");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont font("Tahoma");
    font.setPixelSize(11);
    QApplication::setFont(font);
}

QIcon ApplicationIcon()
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
