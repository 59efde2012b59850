#include "ManualClock.h"

#include <algorithm>

struct ManualClock::Entry {
    quint64 id = 0;
    QDateTime due;
    std::chrono::milliseconds interval{0}; // 0 for one-shot timers
    QPointer<QObject> context;
    std::function<void()> callback;
};

class ManualClock::Handle final : public ClockTimer {
public:
    Handle(ManualClock* clock, quint64 id) : m_clock(clock), m_id(id) {}
    ~Handle() override { cancel(); }
    void cancel() override {
        if (m_clock)
            m_clock->m_timers.erase(m_id);
    }
    bool isActive() const override { return m_clock && m_clock->m_timers.count(m_id) > 0; }
    void detach() { m_clock = nullptr; }

private:
    ManualClock* m_clock;
    quint64 m_id;
};

ManualClock::ManualClock(QDateTime start) : m_now(std::move(start)) {}

ManualClock::~ManualClock() = default;

ClockTimerPtr ManualClock::singleShot(std::chrono::milliseconds delay, QObject* context,
                                      std::function<void()> callback) {
    return arm(delay, std::chrono::milliseconds(0), context, std::move(callback));
}

ClockTimerPtr ManualClock::repeating(std::chrono::milliseconds interval, QObject* context,
                                     std::function<void()> callback) {
    return arm(interval, interval, context, std::move(callback));
}

ClockTimerPtr ManualClock::arm(std::chrono::milliseconds delay, std::chrono::milliseconds interval,
                               QObject* context, std::function<void()> callback) {
    auto entry = std::make_shared<Entry>();
    entry->id = ++m_nextId;
    entry->due = m_now.addMSecs(delay.count());
    entry->interval = interval;
    entry->context = context;
    entry->callback = std::move(callback);
    m_timers.emplace(entry->id, entry);
    return std::make_unique<Handle>(this, entry->id);
}

void ManualClock::advance(std::chrono::milliseconds by) {
    const QDateTime target = m_now.addMSecs(by.count());
    for (;;) {
        std::shared_ptr<Entry> next;
        for (const auto& [id, entry] : m_timers) {
            if (entry->due <= target && (!next || entry->due < next->due))
                next = entry;
        }
        if (!next)
            break;
        if (next->due > m_now)
            m_now = next->due;
        if (next->interval.count() > 0)
            next->due = next->due.addMSecs(next->interval.count());
        else
            m_timers.erase(next->id);
        if (next->context)
            next->callback();
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
