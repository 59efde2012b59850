#pragma once

#include "platform/time/SpringSpec.h"

// One animated value driven by a damped spring, evaluated in closed form at any time (seconds on the
// caller's clock). Retargeting in flight starts the new motion from the current position and velocity, so a
// change of mind never jumps.
class Spring {
public:
    explicit Spring(double value = 0.0) : m_target(value) {}

    // Animates towards `target` from wherever the value is at `now`, with the motion of `spec`.
    void retarget(double target, double now, SpringSpec spec);
    // Sets the value without animating; the spring is at rest there.
    void jump(double value);

    double target() const { return m_target; }
    double value(double now) const;
    // Units per second.
    double velocity(double now) const;
    // Close enough to the target and nearly still; from then on value() reads the target exactly.
    bool isSettled(double now) const;

    // How close counts as there: half a pixel by default; opacities and scales want something like 0.005.
    void setTolerance(double tolerance) { m_tolerance = tolerance; }
    double tolerance() const { return m_tolerance; }

private:
    struct Motion {
        double displacement; // from the target
        double velocity;
    };
    Motion motionAt(double now) const;
    bool isStill(const Motion& motion) const;

    double m_target;
    double m_tolerance = 0.5;
    bool m_atRest = true;
    double m_start = 0.0;         // when the current motion began
    double m_displacement0 = 0.0; // offset from the target then
    double m_velocity0 = 0.0;
    double m_omega = 0.0;   // undamped angular frequency
    double m_damping = 1.0; // damping fraction
};
