#pragma once
// What the program takes from its surroundings, handed to the application object once at
// start-up: the clock every timer runs on, the system sounds, the live modifier keys, the
// clipboard, the general error report, the hook that makes file writes fail, the folder the
// data lives in, and a source of random numbers. The program passes its real ones
// (app/Program.h); the tests pass fakes (tests/support/FakeServices.h).
#include "platform/Clock.h"

#include <QString>
#include <Qt>
#include <cstddef>
#include <functional>
#include <string>

struct TCaretState;
class TRandomSource;

class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;
    // "SystemExclamation", "SystemHand" or "Beep"; played asynchronously.
    virtual void Play(const std::string& name) = 0;
};

class TKeyboard {
public:
    virtual ~TKeyboard() = default;
    // The modifier keys held now, not those of the event being handled.
    virtual Qt::KeyboardModifiers Modifiers() const = 0;
};

class TClipboardStore {
public:
    virtual ~TClipboardStore() = default;
    virtual void SetText(const QString& text) = 0;
    virtual QString Text() const = 0;
    virtual bool HasText() const = 0;
};

struct TServices {
    TClock* Clock = nullptr;
    TSoundOutput* Sound = nullptr; // none: silent
    TKeyboard* Keys = nullptr;
    TClipboardStore* Clipboard = nullptr;
    TCaretState* Caret = nullptr; // the one system caret (platform/SystemCaret.h)
    TRandomSource* Random = nullptr;
    // Shows an error's own text; the program goes on. None: a plain critical message box.
    std::function<void(const std::string& text)> ReportError;
    // How many bytes of a write of `size` bytes reach the file before the write fails as on a
    // full disk; none, or a number not below `size`: the write goes through.
    std::function<long long(size_t size)> WriteFault;
    // The folder the program's data lives in, ending in "/"; empty: the executable's folder.
    std::string BaseFolder;
};

// The services the application object was given; before there is one, the system's own
// clock, keyboard and clipboard, a freshly seeded random source, no sound and no hooks.
TServices& Services();
void InstallServices(TServices* services);

// The system's own services.
class TSystemKeyboard : public TKeyboard {
public:
    Qt::KeyboardModifiers Modifiers() const override;
};

class TSystemClipboard : public TClipboardStore {
public:
    void SetText(const QString& text) override;
    QString Text() const override;
    bool HasText() const override;
};

// The desktop's sound theme; `application` names the program to the sound server.
class TSystemSounds : public TSoundOutput {
public:
    explicit TSystemSounds(std::string application);
    void Play(const std::string& name) override;

private:
    std::string FApplication;
};
