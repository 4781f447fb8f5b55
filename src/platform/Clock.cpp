#include "platform/Clock.h"

#include "platform/Services.h"

#include <QTimer>
#include <chrono>

namespace {
class TQtAlarm : public TClock::TAlarm {
public:
    explicit TQtAlarm(std::function<void()> ring)
    {
        Timer.setSingleShot(true);
        // A coarse timer may ring a little early; an alarm never comes before its time.
        Timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&Timer, &QTimer::timeout, std::move(ring));
    }
    void Start(int ms) override { Timer.start(ms); }
    void Stop() override { Timer.stop(); }
    bool IsActive() const override { return Timer.isActive(); }

private:
    QTimer Timer;
};
} // namespace

int64_t TSystemClock::Now() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::unique_ptr<TClock::TAlarm> TSystemClock::NewAlarm(std::function<void()> ring)
{
    return std::make_unique<TQtAlarm>(std::move(ring));
}

TTimer::TTimer(QObject* parent) : QObject(parent), FAlarm(Services().Clock->NewAlarm([this] { Ring(); })) {}

TTimer::~TTimer() = default;

void TTimer::start() { FAlarm->Start(FInterval); }

void TTimer::start(int ms)
{
    FInterval = ms;
    start();
}

void TTimer::stop() { FAlarm->Stop(); }

bool TTimer::isActive() const { return FAlarm->IsActive(); }

void TTimer::Ring()
{
    if (!FSingleShot) FAlarm->Start(FInterval);
    emit timeout();
}
