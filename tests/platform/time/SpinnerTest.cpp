#include "platform/time/Spinner.h"

#include "ManualClock.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SpinnerTest, TurnsOnceASecondWhateverTheWallClockDoes) {
    ManualClock clock;
    const double start = spinnerTurn(clock);
    // Steps that are not whole seconds would jolt an arc read off the wall clock.
    clock.stepWallClock(-std::chrono::hours(2) - std::chrono::milliseconds(250));
    EXPECT_EQ(spinnerTurn(clock), start);
    clock.stepWallClock(std::chrono::hours(5) + std::chrono::milliseconds(500));
    EXPECT_EQ(spinnerTurn(clock), start);

    clock.advance(std::chrono::milliseconds(250));
    EXPECT_NEAR(std::fmod(spinnerTurn(clock) - start + 1.0, 1.0), 0.25, 1e-9);
    clock.advance(std::chrono::milliseconds(750));
    EXPECT_NEAR(spinnerTurn(clock), start, 1e-9);
}
