#include "ManualClock.h"

#include <algorithm>

class ManualClock::Handle final : public ClockTimer {
public:
    Handle(ManualClock* clock, quint64 id) : m_clock(clock), m_id(id) {}
    ~Handle() override { cancel(); }
    void cancel() override { m_clock->m_timers.erase(m_id); }
    bool isActive() const override { return m_clock->m_timers.count(m_id) > 0; }

private:
    ManualClock* m_clock;
    quint64 m_id;
};

ClockTimerPtr ManualClock::arm(std::chrono::milliseconds delay, std::chrono::milliseconds interval,
                               QObject* context, std::function<void()> callback) {
    m_timers.emplace(++m_nextId, std::make_shared<Entry>(
                                     Entry{m_monotonic + delay, interval, context, std::move(callback)}));
    return std::make_unique<Handle>(this, m_nextId);
}

void ManualClock::advance(std::chrono::milliseconds by) {
    const MonotonicTime target = m_monotonic + by;
    for (;;) {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second->due <= target && (next == m_timers.end() || it->second->due < next->second->due))
                next = it;
        }
        if (next == m_timers.end())
            break;
        const std::shared_ptr<Entry> entry = next->second;
        moveTo(std::max(m_monotonic, entry->due));
        if (entry->interval.count() > 0)
            entry->due += entry->interval;
        else
            m_timers.erase(next);
        if (entry->context)
            entry->callback();
    }
    moveTo(target);
}

void ManualClock::moveTo(MonotonicTime monotonic) {
    m_now = m_now.addMSecs(
        std::chrono::duration_cast<std::chrono::milliseconds>(monotonic - m_monotonic).count());
    m_monotonic = monotonic;
}

std::vector<std::chrono::milliseconds> ManualClock::pendingDelays() const {
    std::vector<std::chrono::milliseconds> delays;
    for (const auto& [id, entry] : m_timers)
        delays.emplace_back(std::chrono::duration_cast<std::chrono::milliseconds>(entry->due - m_monotonic));
    std::sort(delays.begin(), delays.end());
    return delays;
}
