#include "platform/Application.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>

#include "platform/Win1252.h"

namespace {
std::function<void(const std::string&)> gReporter;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QString(":/icons/lexidrill-%1.png").arg(size), QSize(size, size));
    return icon;
}
