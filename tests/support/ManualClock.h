#pragma once

#include "platform/time/Clock.h"

#include <QPointer>

#include <map>
#include <memory>

// A clock that stands still until a test advances it; due timers fire in time order as it passes them.
// advance() moves the wall clock and the monotonic clock together; setNow() and stepWallClock() set the wall
// clock alone, as a user or time synchronisation does, while the monotonic clock and the timers stay put.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 3, 14), QTime(18, 0), Qt::UTC))
        : m_now(std::move(start)) {}

    QDateTime now() const override { return m_now; }
    MonotonicTime monotonicNow() const override { return m_monotonic; }
    void setNow(const QDateTime& now) { m_now = now; }
    void stepWallClock(std::chrono::milliseconds by) { m_now = m_now.addMSecs(by.count()); }

    ClockTimerPtr singleShot(std::chrono::milliseconds delay, QObject* context,
                             std::function<void()> callback) override {
        return arm(delay, std::chrono::milliseconds(0), context, std::move(callback));
    }
    ClockTimerPtr repeating(std::chrono::milliseconds interval, QObject* context,
                            std::function<void()> callback) override {
        return arm(interval, interval, context, std::move(callback));
    }

    // Moves time forward, firing every timer that falls due on the way, each at its own due time.
    void advance(std::chrono::milliseconds by);
    void advanceSeconds(double seconds) { advance(secondsToMilliseconds(seconds)); }
    // The delays of the armed timers, soonest first, relative to now.
    std::vector<std::chrono::milliseconds> pendingDelays() const;
    int pendingCount() const { return static_cast<int>(m_timers.size()); }

private:
    struct Entry {
        MonotonicTime due;
        std::chrono::milliseconds interval; // 0 for one-shot timers
        QPointer<QObject> context;
        std::function<void()> callback;
    };
    class Handle;
    ClockTimerPtr arm(std::chrono::milliseconds delay, std::chrono::milliseconds interval, QObject* context,
                      std::function<void()> callback);
    // Moves both clocks forward to `monotonic`.
    void moveTo(MonotonicTime monotonic);

    QDateTime m_now;
    // Far from zero, so that code taking the origin for "never" shows up.
    MonotonicTime m_monotonic{std::chrono::hours(1000)};
    quint64 m_nextId = 0;
    // Shared so that a callback survives its timer being cancelled while it runs.
    std::map<quint64, std::shared_ptr<Entry>> m_timers;
};
