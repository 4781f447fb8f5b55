#include "platform/Application.h"

#include <QFile>
#include <QFontDatabase>
#include <QMessageBox>

#include "platform/Utf8.h"

#include <malloc.h>

TApplication::TApplication(int& argc, char** argv, TServices& services) : QApplication(argc, argv)
{
    InstallServices(&services);
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

TApplication::~TApplication() { InstallServices(nullptr); }

void ReportError(const std::string& text)
{
    if (const auto& report = Services().ReportError) report(text);
    else QMessageBox::critical(nullptr, QApplication::applicationName(), QStringFromUtf8(text));
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

void AddFont(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (QFile::exists(file)) QFontDatabase::addApplicationFont(file);
}
