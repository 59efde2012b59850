#include "platform/time/Spring.h"
#include "platform/time/AnimationDriver.h"

#include "ManualClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// The textbook step response from 0 to 1 of an underdamped spring.
double underdampedStep(double t, double response, double damping) {
    const double w0 = 2.0 * std::numbers::pi / response;
    const double wd = w0 * std::sqrt(1.0 - damping * damping);
    return 1.0 - std::exp(-damping * w0 * t) * (std::cos(wd * t) + (damping * w0 / wd) * std::sin(wd * t));
}

} // namespace

TEST(SpringTest, FollowsTheClosedFormForEveryDamping) {
    for (const double damping : {0.3, 0.7, 0.86}) {
        Spring spring(0.0);
        spring.setTolerance(1e-9);
        spring.retarget(1.0, 10.0, {0.4, damping});
        for (const double t : {0.0, 0.05, 0.1, 0.2, 0.35, 0.6})
            EXPECT_NEAR(spring.value(10.0 + t), underdampedStep(t, 0.4, damping), 1e-9)
                << damping << " " << t;
        // The velocity is the slope of the position.
        const double h = 1e-6;
        EXPECT_NEAR(spring.velocity(10.1), (spring.value(10.1 + h) - spring.value(10.1 - h)) / (2 * h), 1e-4);
    }
    // Critical: 1 - e^(-w t)(1 + w t), never past the target.
    Spring critical(0.0);
    critical.setTolerance(1e-9);
    critical.retarget(100.0, 0.0, {0.5, 1.0});
    const double w0 = 2.0 * std::numbers::pi / 0.5;
    EXPECT_NEAR(critical.value(0.2), 100.0 * (1.0 - std::exp(-w0 * 0.2) * (1.0 + w0 * 0.2)), 1e-7);
    // Overdamped creeps monotonically; no overshoot either.
    Spring overdamped(0.0);
    overdamped.retarget(100.0, 0.0, {0.5, 2.0});
    double previous = 0.0;
    for (double t = 0.02; t < 3.0; t += 0.02) {
        const double value = overdamped.value(t);
        EXPECT_GE(value, previous - 1e-9);
        EXPECT_LE(value, 100.0 + 1e-9);
        previous = value;
    }
    EXPECT_TRUE(overdamped.isSettled(3.0));
}

TEST(SpringTest, RetargetingKeepsPositionAndVelocity) {
    Spring spring(0.0);
    spring.setTolerance(1e-9);
    spring.retarget(100.0, 0.0, {0.5, 0.8});
    const double position = spring.value(0.1);
    const double velocity = spring.velocity(0.1);
    ASSERT_GT(velocity, 0.0);
    spring.retarget(-50.0, 0.1, {0.3, 1.0});
    EXPECT_NEAR(spring.value(0.1), position, 1e-9);
    EXPECT_NEAR(spring.velocity(0.1), velocity, 1e-9);
    EXPECT_EQ(spring.target(), -50.0);
    // The old momentum still carries it upwards for a moment.
    EXPECT_GT(spring.value(0.11), position);
    EXPECT_NEAR(spring.value(3.0), -50.0, 1e-6);
}

TEST(SpringTest, SettlesWithinToleranceThenReadsTheTarget) {
    Spring spring(0.0);
    EXPECT_TRUE(spring.isSettled(0.0));
    spring.retarget(200.0, 0.0, {0.35, 1.0});
    // About 1.1 * response / damping.
    EXPECT_FALSE(spring.isSettled(0.2));
    EXPECT_TRUE(spring.isSettled(0.6));
    EXPECT_EQ(spring.value(0.6), 200.0);
    EXPECT_EQ(spring.velocity(0.6), 0.0);

    // An opacity wants a finer tolerance than half a pixel.
    Spring opacity(0.0);
    opacity.setTolerance(0.005);
    opacity.retarget(1.0, 0.0, {0.35, 1.0});
    EXPECT_FALSE(opacity.isSettled(0.3));
    EXPECT_TRUE(opacity.isSettled(1.0));

    opacity.jump(0.25);
    EXPECT_TRUE(opacity.isSettled(1.0));
    EXPECT_EQ(opacity.value(1.0), 0.25);
    // A zero response means "at once".
    opacity.retarget(0.75, 1.0, {0.0, 1.0});
    EXPECT_EQ(opacity.value(1.0), 0.75);
}

TEST(AnimationDriverTest, TicksOnlyWhileASpringMoves) {
    ManualClock clock;
    AnimationDriver driver(clock);
    Spring offset(0.0);
    int frames = 0;
    QObject::connect(&driver, &AnimationDriver::frame, [&] { ++frames; });

    driver.track(&offset);
    driver.wake();
    EXPECT_FALSE(driver.isTicking()); // everything at rest: no timer at all

    driver.animate(offset, 100.0, {0.35, 1.0});
    EXPECT_TRUE(driver.isTicking());
    clock.advance(std::chrono::milliseconds(200));
    EXPECT_GE(frames, 11);
    EXPECT_TRUE(driver.isTicking());
    clock.advanceSeconds(2.0);
    EXPECT_FALSE(driver.isTicking());
    EXPECT_EQ(clock.pendingCount(), 0);
    EXPECT_EQ(offset.value(driver.now()), 100.0);
    const int settledFrames = frames;
    clock.advanceSeconds(5.0);
    EXPECT_EQ(frames, settledFrames);

    // A new target starts it again; untracked springs don't keep it alive.
    driver.animate(offset, 0.0, {0.35, 1.0});
    EXPECT_TRUE(driver.isTicking());
    driver.untrack(&offset);
    clock.advance(std::chrono::milliseconds(40));
    EXPECT_FALSE(driver.isTicking());
}

TEST(AnimationDriverTest, SpringsRunOnWhenTheWallClockIsSetBackOrForward) {
    for (const auto step : {std::chrono::hours(-2), std::chrono::hours(2)}) {
        ManualClock clock;
        AnimationDriver driver(clock);
        Spring width(60.0);
        driver.animate(width, 340.0, {0.35, 1.0});
        clock.advance(std::chrono::milliseconds(96));
        const double before = width.value(driver.now());
        ASSERT_GT(before, 60.0);
        ASSERT_LT(before, 340.0);

        clock.stepWallClock(step);
        // Neither frozen at the start nor snapped to the end: the motion goes on from where it was.
        EXPECT_EQ(width.value(driver.now()), before) << step.count();
        clock.advance(std::chrono::milliseconds(48));
        EXPECT_GT(width.value(driver.now()), before) << step.count();
        EXPECT_TRUE(driver.isTicking()) << step.count();
        clock.advanceSeconds(2.0);
        EXPECT_EQ(width.value(driver.now()), 340.0) << step.count();
        EXPECT_FALSE(driver.isTicking()) << step.count();
    }
}
