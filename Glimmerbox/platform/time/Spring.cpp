#include "platform/time/Spring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Treat damping fractions this close to 1 as critical: the under- and over-damped forms divide by nearly 0.
constexpr double criticalBand = 1e-6;
// A damping fraction of 0 would oscillate for ever; keep a trace of friction.
constexpr double minimumDamping = 0.01;
// Nearly still: slower than this many tolerances per second.
constexpr double stillnessPerSecond = 10.0;

} // namespace

void Spring::retarget(double target, double now, SpringSpec spec) {
    const Motion current = motionAt(now);
    const double position = m_target + current.displacement;
    m_target = target;
    if (spec.response <= 0.0) {
        jump(target);
        return;
    }
    m_start = now;
    m_displacement0 = position - target;
    m_velocity0 = current.velocity;
    m_omega = 2.0 * std::numbers::pi / spec.response;
    m_damping = std::max(spec.damping, minimumDamping);
    m_atRest = false;
}

void Spring::jump(double value) {
    m_target = value;
    m_atRest = true;
    m_displacement0 = 0.0;
    m_velocity0 = 0.0;
}

double Spring::value(double now) const {
    const Motion motion = motionAt(now);
    return isStill(motion) ? m_target : m_target + motion.displacement;
}

double Spring::velocity(double now) const {
    const Motion motion = motionAt(now);
    return isStill(motion) ? 0.0 : motion.velocity;
}

bool Spring::isSettled(double now) const {
    return isStill(motionAt(now));
}

bool Spring::isStill(const Motion& motion) const {
    return m_atRest || (std::abs(motion.displacement) <= m_tolerance &&
                        std::abs(motion.velocity) <= m_tolerance * stillnessPerSecond);
}

Spring::Motion Spring::motionAt(double now) const {
    if (m_atRest)
        return {0.0, 0.0};
    const double t = std::max(0.0, now - m_start);
    const double x0 = m_displacement0;
    const double v0 = m_velocity0;
    const double w0 = m_omega;
    const double zeta = m_damping;

    if (std::abs(zeta - 1.0) < criticalBand) {
        const double b = v0 + w0 * x0;
        const double decay = std::exp(-w0 * t);
        return {decay * (x0 + b * t), decay * (b - w0 * (x0 + b * t))};
    }
    if (zeta < 1.0) {
        const double a = zeta * w0;
        const double wd = w0 * std::sqrt(1.0 - zeta * zeta);
        const double b = (v0 + a * x0) / wd;
        const double decay = std::exp(-a * t);
        const double c = std::cos(wd * t);
        const double s = std::sin(wd * t);
        return {decay * (x0 * c + b * s), decay * ((b * wd - a * x0) * c - (a * b + x0 * wd) * s)};
    }
    const double root = w0 * std::sqrt(zeta * zeta - 1.0);
    const double r1 = -zeta * w0 + root;
    const double r2 = -zeta * w0 - root;
    const double c2 = (v0 - r1 * x0) / (r2 - r1);
    const double c1 = x0 - c2;
    const double e1 = std::exp(r1 * t);
    const double e2 = std::exp(r2 * t);
    return {c1 * e1 + c2 * e2, c1 * r1 * e1 + c2 * r2 * e2};
}
