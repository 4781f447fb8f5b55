#pragma once
// The services every test program runs on (TestMain hands them to the application object):
// a clock that moves only when a test advances it, a keyboard whose modifiers a test can
// hold, the offscreen platform's clipboard, a sound output that records, a caret of their
// own, random numbers from a fixed seed, the program's own error report, no write faults, and
// the executable's folder until a test sets its own.
#include "platform/Random.h"
#include "platform/Services.h"
#include "platform/SystemCaret.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TFakeClock : public TClock {
public:
    int64_t Now() const override { return FNow; }
    std::unique_ptr<TAlarm> NewAlarm(std::function<void()> ring) override;
    // Moves time on by `ms`, ringing every alarm that falls due on the way, each at its own
    // time and in the order they fall due (alarms an alarm starts included).
    void Advance(int64_t ms);
    // Alarms set and not yet rung.
    int Pending() const;

private:
    class TFakeAlarm;
    int64_t FNow = 0;
    uint64_t FStarts = 0;
    std::vector<TFakeAlarm*> FAlarms;
};

class TFakeKeyboard : public TKeyboard {
public:
    // Modifiers held whatever the input events say; nullopt: those of the last input event.
    std::optional<Qt::KeyboardModifiers> Held;
    Qt::KeyboardModifiers Modifiers() const override;
};

class TSoundRecorder : public TSoundOutput {
public:
    void Play(const std::string& name) override { Played.push_back(name); }
    std::vector<std::string> Played;
};

class TFakeServices : public TServices {
public:
    TFakeServices();
    TFakeClock FakeClock;
    TFakeKeyboard FakeKeys;
    TSystemClipboard SystemClipboard;
    TCaretState CaretState;
    TSoundRecorder Sounds;
    TSeededRandom FixedRandom{20240611};
};

TFakeServices& TestServices();

// The data folder of the tests that follow.
void UseBaseFolder(const std::string& folder);

