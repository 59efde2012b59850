#include "ScenarioClock.h"

ScenarioClock::ScenarioClock(double speed) : m_speed(speed) {
    m_sinceStart.start();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    m_anchor = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), Qt::UTC);
}

double ScenarioClock::elapsedSeconds() const {
    return m_offsetSeconds + static_cast<double>(m_sinceStart.elapsed()) / 1000.0 * m_speed;
}
