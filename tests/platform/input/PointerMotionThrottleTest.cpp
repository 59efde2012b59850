#include "platform/input/PointerMotionThrottle.h"

#include "ManualClock.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(PointerMotionThrottleTest, ReadsAtOnceThenOncePerPeriodAndOnceMoreAfterTheMotionStops) {
    ManualClock clock;
    QObject context;
    int reads = 0;
    PointerMotionThrottle throttle(clock, &context, [&] { ++reads; });

    throttle.motion();
    EXPECT_EQ(reads, 1) << "the first motion is read at once";
    for (int event = 0; event < 10; ++event) { // a burst of motion within one period
        clock.advance(5ms);
        throttle.motion();
    }
    EXPECT_EQ(reads, 1);
    clock.advance(30ms); // the period ends with motion seen: where the pointer came to rest is read
    EXPECT_EQ(reads, 2);
    clock.advance(1000ms); // still: nothing more, and no timer left running
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(clock.pendingCount(), 0);

    throttle.setPeriod(250ms);
    throttle.motion();
    throttle.motion();
    clock.advance(249ms);
    EXPECT_EQ(reads, 3);
    clock.advance(1ms);
    EXPECT_EQ(reads, 4);
}
