#pragma once

// The steps of a score celebration, in the order the timeline runs them; `none` when none runs.
enum class CelebrationPhase { none, flushDown, logoOnly, logoAndPoints, logoReturn, flushUp, showExpanded };

// True from `flushDown` to `flushUp`: the steps in which the celebration replaces the panel's content.
constexpr bool isCelebrating(CelebrationPhase phase) {
    return phase != CelebrationPhase::none && phase != CelebrationPhase::showExpanded;
}
