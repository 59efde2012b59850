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

// A reading of the monotonic clock: it counts from an arbitrary origin and only moves forward.
using MonotonicTime = std::chrono::steady_clock::time_point;

// The one source of "now" and of timers, so that tests can run long timelines instantly.
// Callbacks run on the thread of `context` and never after `context` is destroyed.
// Two kinds of time: users' wall clocks are set back and forth (time synchronisation does so shortly after
// login), so now() serves only what means a time of day, and every duration is measured on monotonicNow().
class Clock {
public:
    virtual ~Clock() = default;

    // The wall clock: start times, quiet hours, the day change, how long ago a refresh was.
    virtual QDateTime now() const = 0;
    // The monotonic clock: springs, frames, ages, cooldowns.
    virtual MonotonicTime monotonicNow() const = 0;

    virtual ClockTimerPtr singleShot(std::chrono::milliseconds delay, QObject* context,
                                     std::function<void()> callback) = 0;
    virtual ClockTimerPtr repeating(std::chrono::milliseconds interval, QObject* context,
                                    std::function<void()> callback) = 0;

    // The real clock: QDateTime::currentDateTimeUtc(), std::chrono::steady_clock and QTimer.
    static Clock& system();
};

// Seconds as a double (the unit the rest of the code speaks) to a timer delay.
inline std::chrono::milliseconds secondsToMilliseconds(double seconds) {
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0 + 0.5));
}
