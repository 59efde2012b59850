#include "platform/SystemPointerSource.h"

#include "platform/XInputScrollSource.h"

#include <QCursor>

PointerSource* PointerSource::createSystem(QObject* parent) {
    return new SystemPointerSource(parent);
}

SystemPointerSource::SystemPointerSource(QObject* parent) : PointerSource(parent) {
    // A coarse timer lets the system batch our wake-ups with others.
    m_timer.setTimerType(Qt::CoarseTimer);
    m_timer.setInterval(farPollMs);
    connect(&m_timer, &QTimer::timeout, this, &SystemPointerSource::poll);
}

SystemPointerSource::~SystemPointerSource() = default;

void SystemPointerSource::start() {
    poll();
    m_timer.start();
}

void SystemPointerSource::stop() {
    m_timer.stop();
    setScrollTracking(false);
}

void SystemPointerSource::setAreaOfInterest(std::optional<QRect> area) {
    m_area = area;
    adjustPollPeriod();
}

void SystemPointerSource::setScrollTracking(bool on) {
    if (on && !m_scroll && !m_scrollUnavailable) {
        // Made on first use: most sessions never scroll over the overlay.
        m_scroll = XInputScrollSource::create();
        m_scrollUnavailable = !m_scroll;
        if (!m_scroll)
            return;
        connect(m_scroll.get(), &XInputScrollSource::scrolled, this, &PointerSource::scrolled);
    }
    if (m_scroll)
        m_scroll->setEnabled(on);
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

int SystemPointerSource::pollPeriodFor(const QPoint& position, const std::optional<QRect>& area) {
    const bool near =
        !area || area->adjusted(-nearMargin, -nearMargin, nearMargin, nearMargin).contains(position);
    return near ? nearPollMs : farPollMs;
}

void SystemPointerSource::adjustPollPeriod() {
    const int period = pollPeriodFor(m_position, m_area);
    if (m_timer.interval() != period)
        m_timer.setInterval(period);
}
