#pragma once

#include "notch/state/CelebrationPhase.h"

#include "platform/time/SpringSpec.h"

// One step of a score celebration: when it begins, in seconds after the score, and the spring its changes
// move with.
struct CelebrationStep {
    double at;
    SpringSpec spring;
    CelebrationPhase phase;
};

// The celebration from the score (its first step, at once) to the panel's return to its usual state.
inline constexpr SpringSpec celebrationFlushSpring{0.3, 0.85};
inline constexpr CelebrationStep celebrationTimeline[] = {
    {0.0, celebrationFlushSpring, CelebrationPhase::flushDown},
    {0.3, {0.4, 0.6}, CelebrationPhase::logoOnly},
    {0.8, {0.4, 0.65}, CelebrationPhase::logoAndPoints},
    {1.8, {0.4, 0.65}, CelebrationPhase::logoReturn},
    {2.3, celebrationFlushSpring, CelebrationPhase::flushUp},
    {2.6, {0.35, 0.8}, CelebrationPhase::showExpanded},
    {3.1, {0.35, 0.8}, CelebrationPhase::none},
};
