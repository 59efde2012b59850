#pragma once

#include <QDateTime>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

// A timer armed through a Clock. Destroying the handle cancels the timer.
class ClockTimer {
public:
    virtual ~ClockTimer() = default;
    virtual void cancel() = 0;
    virtual bool isActive() const = 0;
};

using ClockTimerPtr = std::unique_ptr<ClockTimer>;

// The one source of "now" and of timers, so that tests can run long timelines instantly.
// Callbacks run on the thread of `context` and never after `context` is destroyed.
class Clock {
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;

    virtual ClockTimerPtr singleShot(std::chrono::milliseconds delay, QObject* context,
                                     std::function<void()> callback) = 0;
    virtual ClockTimerPtr repeating(std::chrono::milliseconds interval, QObject* context,
                                    std::function<void()> callback) = 0;

    // The real clock: QDateTime::currentDateTimeUtc() and QTimer.
    static Clock& system();
};

// Seconds as a double (the unit the rest of the code speaks) to a timer delay.
inline std::chrono::milliseconds secondsToMilliseconds(double seconds) {
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0 + 0.5));
}
