#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Scenario time: seconds since the stand-in started, scaled by --speed, plus any manual advances.
// Relative dates in scenario files ("@now-2h") are anchored at the start, so replies stay stable.
class ScenarioClock {
public:
    explicit ScenarioClock(double speed);

    double elapsedSeconds() const;
    void advance(double seconds) { m_offsetSeconds += seconds; }
    // The start time, rounded down to the minute, in UTC.
    QDateTime anchor() const { return m_anchor; }

private:
    double m_speed;
    double m_offsetSeconds = 0;
    QElapsedTimer m_sinceStart;
    QDateTime m_anchor;
};
