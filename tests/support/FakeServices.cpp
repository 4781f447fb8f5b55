#include "FakeServices.h"

#include "app/Program.h"

#include <QGuiApplication>
#include <algorithm>

class TFakeClock::TFakeAlarm : public TClock::TAlarm {
public:
    TFakeAlarm(TFakeClock& clock, std::function<void()> ring) : Clock(clock), Ring(std::move(ring))
    {
        Clock.FAlarms.push_back(this);
    }
    ~TFakeAlarm() override { std::erase(Clock.FAlarms, this); }
    void Start(int ms) override
    {
        Active = true;
        Due = Clock.FNow + std::max(ms, 0);
        Order = ++Clock.FStarts;
    }
    void Stop() override { Active = false; }
    bool IsActive() const override { return Active; }

    TFakeClock& Clock;
    std::function<void()> Ring;
    bool Active = false;
    int64_t Due = 0;
    uint64_t Order = 0;
};

std::unique_ptr<TClock::TAlarm> TFakeClock::NewAlarm(std::function<void()> ring)
{
    return std::make_unique<TFakeAlarm>(*this, std::move(ring));
}

void TFakeClock::Advance(int64_t ms)
{
    const int64_t end = FNow + ms;
    for (;;) {
        TFakeAlarm* next = nullptr;
        for (TFakeAlarm* a : FAlarms)
            if (a->Active && a->Due <= end && (!next || a->Due < next->Due || (a->Due == next->Due && a->Order < next->Order)))
                next = a;
        if (!next) break;
        FNow = std::max(FNow, next->Due);
        next->Active = false;
        next->Ring();
    }
    FNow = end;
}

int TFakeClock::Pending() const
{
    return int(std::count_if(FAlarms.begin(), FAlarms.end(), [](const TFakeAlarm* a) { return a->Active; }));
}

Qt::KeyboardModifiers TFakeKeyboard::Modifiers() const
{
    return Held ? *Held : QGuiApplication::queryKeyboardModifiers();
}

TFakeServices::TFakeServices()
{
    Clock = &FakeClock;
    Keys = &FakeKeys;
    Clipboard = &SystemClipboard;
    Caret = &CaretState;
    Sound = &Sounds;
    Random = &FixedRandom;
    ReportError = ShowProgramError;
}

TFakeServices& TestServices()
{
    static TFakeServices services;
    return services;
}

void UseBaseFolder(const std::string& folder) { TestServices().BaseFolder = folder; }

