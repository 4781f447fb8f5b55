#pragma once
// The application object: the general error report around every event handler, the
// silent cancellation it swallows, the program's fonts and icon.
#include <QApplication>
#include <QIcon>
#include <functional>
#include <stdexcept>
#include <string>

// Ends an operation without any message; the general error report passes over it.
class ESilentCancel : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an error's own text; the program goes on. The shell installs its message box here.
void SetErrorReporter(std::function<void(const std::string&)> reporter);
void ReportError(const std::string& text);
// Runs `f`, sending any exception to the general error report.
void RunGuarded(const std::function<void()>& f);

// Registers the bundled faces (a Tahoma of matching metrics and the substitutes for Courier
// New and Arial Narrow) and sets the application font to Tahoma 8 pt.
void InstallProgramFonts();
QIcon ApplicationIcon();
