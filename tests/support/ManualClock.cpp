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
    m_timers.emplace(++m_nextId, std::make_shared<Entry>(Entry{m_now.addMSecs(delay.count()), interval,
                                                               context, std::move(callback)}));
    return std::make_unique<Handle>(this, m_nextId);
}

void ManualClock::advance(std::chrono::milliseconds by) {
    const QDateTime target = m_now.addMSecs(by.count());
    for (;;) {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second->due <= target && (next == m_timers.end() || it->second->due < next->second->due))
                next = it;
        }
        if (next == m_timers.end())
            break;
        const std::shared_ptr<Entry> entry = next->second;
        m_now = std::max(m_now, entry->due);
        if (entry->interval.count() > 0)
            entry->due = entry->due.addMSecs(entry->interval.count());
        else
            m_timers.erase(next);
        if (entry->context)
            entry->callback();
    }
    m_now = target;
}

std::vector<std::chrono::milliseconds> ManualClock::pendingDelays() const {
    std::vector<std::chrono::milliseconds> delays;
    for (const auto& [id, entry] : m_timers)
        delays.emplace_back(m_now.msecsTo(entry->due));
    std::sort(delays.begin(), delays.end());
    return delays;
}
