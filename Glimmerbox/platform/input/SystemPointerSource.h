#pragma once

#include "platform/input/PointerMotionThrottle.h"
#include "platform/input/PointerSource.h"

#include <QTimer>

#include <memory>

class XInputPointerEvents;

// Where the X server offers raw input events, reads the cursor only when the pointer moves (at most once per
// period: quickly near the area of interest, slowly far from it) and takes scroll steps while scroll tracking
// is on. Elsewhere it polls the cursor at those periods.
class SystemPointerSource final : public PointerSource {
    Q_OBJECT
public:
    static constexpr int nearPollMs = 80;
    static constexpr int farPollMs = 250;
    // Raw motion costs nothing while the pointer is still, so near the overlay a moving pointer is read every
    // frame: its pills act on a half-second rest that must hold to a few milliseconds.
    static constexpr int nearMotionReadMs = 16;
    // How far around the area of interest the quick polling reaches.
    static constexpr int nearMargin = 120;

    explicit SystemPointerSource(QObject* parent = nullptr);

    // Quick reads within `nearMargin` of the area of interest (or everywhere without one), slow elsewhere.
    static int pollPeriodFor(const QPoint& position, const std::optional<QRect>& area);
    // The same for the reads that raw motion events start: every frame near the area, slowly elsewhere.
    static int motionReadPeriodFor(const QPoint& position, const std::optional<QRect>& area);
    ~SystemPointerSource() override;

    QPoint position() const override { return m_position; }
    void start() override;
    void stop() override;
    void setAreaOfInterest(std::optional<QRect> area) override;
    void setScrollTracking(bool on) override;
    void readNow() override { poll(); }

private:
    void poll();
    void adjustPollPeriod();
    // The X server's raw events, made on first use; none without XInput2.
    XInputPointerEvents* events();

    QTimer m_timer; // polling, only where raw events are missing
    PointerMotionThrottle m_throttle;
    QPoint m_position;
    bool m_hasPosition = false;
    std::optional<QRect> m_area;
    std::unique_ptr<XInputPointerEvents> m_events;
    bool m_eventsUnavailable = false;
};
