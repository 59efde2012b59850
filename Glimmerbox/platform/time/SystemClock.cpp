#include "platform/time/Clock.h"

#include <QPointer>
#include <QTimer>

namespace {

class QtClockTimer final : public ClockTimer {
public:
    QtClockTimer(std::chrono::milliseconds interval, bool repeating, QObject* context,
                 std::function<void()> callback)
        : m_timer(new QTimer(context)) {
        m_timer->setSingleShot(!repeating);
        // A coarse timer may fire 5 % early: fine for a period, not for a delay that must hold (a rest on a
        // control, the steps of a timeline).
        m_timer->setTimerType(repeating ? Qt::CoarseTimer : Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, std::move(callback));
        m_timer->start(interval);
    }
    ~QtClockTimer() override { delete m_timer.data(); }

    void cancel() override {
        if (m_timer)
            m_timer->stop();
    }
    bool isActive() const override { return m_timer && m_timer->isActive(); }

private:
    QPointer<QTimer> m_timer;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    MonotonicTime monotonicNow() const override { return std::chrono::steady_clock::now(); }

    ClockTimerPtr singleShot(std::chrono::milliseconds delay, QObject* context,
                             std::function<void()> callback) override {
        return std::make_unique<QtClockTimer>(delay, false, context, std::move(callback));
    }
    ClockTimerPtr repeating(std::chrono::milliseconds interval, QObject* context,
                            std::function<void()> callback) override {
        return std::make_unique<QtClockTimer>(interval, true, context, std::move(callback));
    }
};

} // namespace

Clock& Clock::system() {
    static SystemClock clock;
    return clock;
}
