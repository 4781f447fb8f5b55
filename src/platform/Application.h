#pragma once
// The application object: started with the program's services, it puts the general error
// report around every event handler and swallows the silent cancellation.
#include "platform/Services.h"

#include <QApplication>
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
    // `services` must outlive the application object.
    TApplication(int& argc, char** argv, TServices& services);
    ~TApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an error's own text through the services' error report; the program goes on.
void ReportError(const std::string& text);
// Runs `f`, sending any exception to the general error report.
void RunGuarded(const std::function<void()>& f);

// The one application-wide event filter of type T: made on first use, owned by the
// application and installed on it.
template <typename T>
T& ApplicationEventFilter()
{
    static T* const filter = [] {
        auto* f = new T;
        f->setParent(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    return *filter;
}

// Registers a font file with the application, if the file is there.
void AddFont(const std::string& path);
