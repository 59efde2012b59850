#include "platform/time/Clock.h"

#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

// Qt lets a coarse timer fire up to 5 % early, which turns a 0.5 s rest into 475 ms and shifts each step of
// a timeline; the delays must fire on time. A repeating period may drift a little in exchange for fewer
// wake-ups.
TEST(SystemClockTest, DelaysArePreciseAndPeriodsMayBeCoarse) {
    QObject context;
    const ClockTimerPtr delay = Clock::system().singleShot(std::chrono::milliseconds(500), &context, [] {});
    QList<QTimer*> timers = context.findChildren<QTimer*>();
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers.first()->timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(timers.first()->isSingleShot());

    QObject other;
    const ClockTimerPtr period = Clock::system().repeating(std::chrono::seconds(10), &other, [] {});
    timers = other.findChildren<QTimer*>();
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers.first()->timerType(), Qt::CoarseTimer);
}
