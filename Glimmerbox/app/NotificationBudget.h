#pragma once

#include "platform/time/Clock.h"

#include <deque>

// How many notifications may still reach the desktop: at most `limit` within any `window`, on the monotonic
// clock. A bound per pass alone lets a service that renames its games every reply raise as many every
// refresh.
class NotificationBudget {
public:
    NotificationBudget(int limit, std::chrono::seconds window) : m_limit(limit), m_window(window) {}

    int available(MonotonicTime now);
    void spend(MonotonicTime now) { m_spent.push_back(now); }

private:
    int m_limit;
    std::chrono::seconds m_window;
    std::deque<MonotonicTime> m_spent; // oldest first
};
