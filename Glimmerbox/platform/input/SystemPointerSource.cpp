#include "platform/input/SystemPointerSource.h"

#include "platform/input/XInputPointerEvents.h"

#include <QCursor>

PointerSource* PointerSource::createSystem(QObject* parent) {
    return new SystemPointerSource(parent);
}

SystemPointerSource::SystemPointerSource(QObject* parent)
    : PointerSource(parent), m_throttle(Clock::system(), this, [this] { poll(); }) {
    // A coarse timer lets the system batch our wake-ups with others.
    m_timer.setTimerType(Qt::CoarseTimer);
    m_timer.setInterval(farPollMs);
    connect(&m_timer, &QTimer::timeout, this, &SystemPointerSource::poll);
}

SystemPointerSource::~SystemPointerSource() = default;

void SystemPointerSource::start() {
    poll();
    if (events())
        m_events->setMotionTracking(true);
    else
        m_timer.start();
}

void SystemPointerSource::stop() {
    m_timer.stop();
    if (m_events)
        m_events->setMotionTracking(false);
    setScrollTracking(false);
}

void SystemPointerSource::setAreaOfInterest(std::optional<QRect> area) {
    m_area = area;
    adjustPollPeriod();
}

void SystemPointerSource::setScrollTracking(bool on) {
    if (events())
        m_events->setScrollTracking(on);
}

XInputPointerEvents* SystemPointerSource::events() {
    if (!m_events && !m_eventsUnavailable) {
        m_events = XInputPointerEvents::create();
        m_eventsUnavailable = !m_events;
        if (m_events) {
            connect(m_events.get(), &XInputPointerEvents::moved, this, [this] { m_throttle.motion(); });
            connect(m_events.get(), &XInputPointerEvents::scrolled, this, &PointerSource::scrolled);
        }
    }
    return m_events.get();
}

void SystemPointerSource::poll() {
    const QPoint position = QCursor::pos();
    if (m_hasPosition && position == m_position)
        return;
    m_hasPosition = true;
    m_position = position;
    adjustPollPeriod();
    emit moved(position);
}

namespace {

bool isNear(const QPoint& position, const std::optional<QRect>& area) {
    const int margin = SystemPointerSource::nearMargin;
    return !area || area->adjusted(-margin, -margin, margin, margin).contains(position);
}

} // namespace

int SystemPointerSource::pollPeriodFor(const QPoint& position, const std::optional<QRect>& area) {
    return isNear(position, area) ? nearPollMs : farPollMs;
}

int SystemPointerSource::motionReadPeriodFor(const QPoint& position, const std::optional<QRect>& area) {
    return isNear(position, area) ? nearMotionReadMs : farPollMs;
}

void SystemPointerSource::adjustPollPeriod() {
    m_throttle.setPeriod(std::chrono::milliseconds(motionReadPeriodFor(m_position, m_area)));
    const int period = pollPeriodFor(m_position, m_area);
    if (m_timer.interval() != period)
        m_timer.setInterval(period);
}
