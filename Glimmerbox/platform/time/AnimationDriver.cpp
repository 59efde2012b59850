#include "platform/time/AnimationDriver.h"

#include <algorithm>

AnimationDriver::AnimationDriver(Clock& clock, QObject* parent) : QObject(parent), m_clock(clock) {}

AnimationDriver::~AnimationDriver() = default;

double AnimationDriver::now() const {
    // Monotonic: a wall clock set back would leave every spring waiting for a start hours ahead.
    return std::chrono::duration<double>(m_clock.monotonicNow().time_since_epoch()).count();
}

void AnimationDriver::track(Spring* spring) {
    if (std::find(m_springs.begin(), m_springs.end(), spring) == m_springs.end())
        m_springs.push_back(spring);
}

void AnimationDriver::untrack(Spring* spring) {
    std::erase(m_springs, spring);
}

void AnimationDriver::animate(Spring& spring, double target, SpringSpec spec) {
    track(&spring);
    spring.retarget(target, now(), spec);
    wake();
}

void AnimationDriver::jump(Spring& spring, double value) {
    spring.jump(value);
    emit frame();
}

void AnimationDriver::wake() {
    if (m_timer || allSettled())
        return;
    m_retired.reset();
    m_timer = m_clock.repeating(frameInterval, this, [this] { tick(); });
}

void AnimationDriver::tick() {
    // The frame that reaches the targets is still painted; the timer stops after it.
    const bool settled = allSettled();
    emit frame();
    if (settled) {
        // Stopped, not destroyed: this runs inside the timer's own callback.
        m_timer->cancel();
        m_retired = std::move(m_timer);
    }
}

bool AnimationDriver::allSettled() const {
    const double t = now();
    return std::all_of(m_springs.begin(), m_springs.end(), [t](const Spring* s) { return s->isSettled(t); });
}
