#include "platform/input/PointerMotionThrottle.h"

PointerMotionThrottle::PointerMotionThrottle(Clock& clock, QObject* context, std::function<void()> read)
    : m_clock(clock), m_context(context), m_read(std::move(read)) {}

void PointerMotionThrottle::setPeriod(std::chrono::milliseconds period) {
    if (period == m_period)
        return;
    m_period = period;
    if (m_timer && m_timer->isActive())
        m_timer = m_clock.repeating(m_period, m_context, [this] { tick(); });
}

void PointerMotionThrottle::motion() {
    if (m_timer && m_timer->isActive()) {
        m_movedSinceRead = true;
        return;
    }
    m_movedSinceRead = false;
    m_timer = m_clock.repeating(m_period, m_context, [this] { tick(); });
    m_read();
}

void PointerMotionThrottle::tick() {
    if (!m_movedSinceRead) {
        // Stopped (not destroyed) from inside its own callback.
        m_timer->cancel();
        return;
    }
    m_movedSinceRead = false;
    m_read();
}
