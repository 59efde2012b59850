#pragma once

#include "platform/time/Clock.h"
#include "platform/time/Spring.h"

#include <QObject>

#include <vector>

// Ticks the frames of a view's springs: about 60 times a second while any of them is still moving, and not
// at all once every one has settled. Views own their springs and register them here; frame() is their cue
// to repaint with the springs' values at now().
class AnimationDriver : public QObject {
    Q_OBJECT
public:
    explicit AnimationDriver(Clock& clock = Clock::system(), QObject* parent = nullptr);
    ~AnimationDriver() override;

    // Seconds on the driver's monotonic clock, the time base of every spring it drives.
    double now() const;

    // Registers a spring (the caller keeps it alive until untrack() or the driver's end).
    void track(Spring* spring);
    void untrack(Spring* spring);

    // Retargets a tracked (or newly tracked) spring at now() and starts ticking.
    void animate(Spring& spring, double target, SpringSpec spec);
    // Sets a spring without animating; repaints once.
    void jump(Spring& spring, double value);

    // Starts ticking when some tracked spring is unsettled (after retargeting a spring directly).
    void wake();
    bool isTicking() const { return m_timer != nullptr; }

    static constexpr std::chrono::milliseconds frameInterval{16};

signals:
    void frame();

private:
    void tick();
    bool allSettled() const;

    Clock& m_clock;
    std::vector<Spring*> m_springs;
    ClockTimerPtr m_timer;
    ClockTimerPtr m_retired;
};
