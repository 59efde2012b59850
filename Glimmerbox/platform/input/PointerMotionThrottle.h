#pragma once

#include "platform/time/Clock.h"

#include <chrono>
#include <functional>

// Turns the pointer's motion wake-ups into reads of its position: one at once, then at most one per period
// while the motion lasts, the last one after it stops, so that where the pointer came to rest is never
// missed. A still pointer costs nothing.
class PointerMotionThrottle {
public:
    PointerMotionThrottle(Clock& clock, QObject* context, std::function<void()> read);

    void setPeriod(std::chrono::milliseconds period);
    void motion();

private:
    void tick();

    Clock& m_clock;
    QObject* m_context;
    std::function<void()> m_read;
    std::chrono::milliseconds m_period{80};
    ClockTimerPtr m_timer;
    bool m_movedSinceRead = false;
};
