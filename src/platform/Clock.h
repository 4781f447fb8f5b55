#pragma once
// Time as the program sees it: a clock that tells the time and runs alarms. Every timer of the
// program (TTimer) runs on the clock handed in at start-up, so a test drives time itself
// instead of waiting for it.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

class TClock {
public:
    // One alarm: rings once, `ms` after Start, unless stopped or started again first.
    class TAlarm {
    public:
        virtual ~TAlarm() = default;
        virtual void Start(int ms) = 0;
        virtual void Stop() = 0;
        virtual bool IsActive() const = 0;
    };

    virtual ~TClock() = default;
    // Milliseconds on a steady scale (never set back).
    virtual int64_t Now() const = 0;
    virtual std::unique_ptr<TAlarm> NewAlarm(std::function<void()> ring) = 0;
};

// The system's steady clock; alarms ring from the event loop.
class TSystemClock : public TClock {
public:
    int64_t Now() const override;
    std::unique_ptr<TAlarm> NewAlarm(std::function<void()> ring) override;
};

// A timer on the services' clock, with QTimer's calls: single-shot or repeating, restarted by
// start(), silent after stop().
class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr);
    ~TTimer() override;
    void setInterval(int ms) { FInterval = ms; }
    int interval() const { return FInterval; }
    void setSingleShot(bool single) { FSingleShot = single; }
    bool isSingleShot() const { return FSingleShot; }
    void start();
    void start(int ms);
    void stop();
    bool isActive() const;
signals:
    void timeout();

private:
    void Ring();
    std::unique_ptr<TClock::TAlarm> FAlarm;
    int FInterval = 0;
    bool FSingleShot = false;
};
