#include "platform/ScrollValuators.h"
#include "platform/SystemPointerSource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A touchpad whose valuators 0 and 1 move the pointer and 2 and 3 scroll sideways and up and down.
ScrollValuators touchpad(double increment = 15) {
    ScrollValuators device;
    device.precise = true;
    device.axes = {ScrollAxis{2, true, increment, false, std::nullopt},
                   ScrollAxis{3, false, increment, false, std::nullopt}};
    return device;
}

std::optional<ScrollDelta> decode(ScrollValuators& device, std::vector<uint32_t> mask,
                                  std::vector<double> values) {
    return device.decode(mask, values);
}

} // namespace

TEST(ScrollValuatorsTest, HorizontalScrollFollowsTheContent) {
    ScrollValuators device = touchpad();
    const auto delta = decode(device, {0b0111}, {5, 6, -30});
    ASSERT_TRUE(delta);
    EXPECT_DOUBLE_EQ(delta->dx, 30);
    EXPECT_DOUBLE_EQ(delta->dy, 0);
    EXPECT_TRUE(delta->precise);

    const auto vertical = decode(device, {0b1000}, {12});
    ASSERT_TRUE(vertical);
    EXPECT_DOUBLE_EQ(vertical->dx, 0);
    EXPECT_DOUBLE_EQ(vertical->dy, -12);
}

TEST(ScrollValuatorsTest, PointerMotionAloneIsNoScroll) {
    ScrollValuators device = touchpad();
    EXPECT_FALSE(decode(device, {0b0011}, {5, 6}));
    EXPECT_FALSE(decode(device, {0b0100}, {0}));
    EXPECT_FALSE(decode(device, {0b0100}, {})); // a mask promising more values than the event holds
}

TEST(ScrollValuatorsTest, OneNotchIsFifteenPointsWhateverTheIncrement) {
    ScrollValuators wheel = touchpad(120);
    wheel.precise = false;
    const auto delta = decode(wheel, {0b0100}, {120});
    ASSERT_TRUE(delta);
    EXPECT_DOUBLE_EQ(delta->dx, -15);
    EXPECT_FALSE(delta->precise);
}

TEST(ScrollValuatorsTest, AbsoluteAxesGiveTheChangeSinceTheLastValue) {
    ScrollValuators device = touchpad();
    device.axes[0].absolute = true;
    EXPECT_FALSE(decode(device, {0b0100}, {1000}));
    const auto delta = decode(device, {0b0100}, {1040});
    ASSERT_TRUE(delta);
    EXPECT_DOUBLE_EQ(delta->dx, -40);
}

TEST(ScrollValuatorsTest, AxesBeyondTheFirstMaskWordAreFound) {
    ScrollValuators device;
    device.axes = {ScrollAxis{33, true, 15, false, std::nullopt}};
    const auto delta = decode(device, {0b1, 0b10}, {7, -9});
    ASSERT_TRUE(delta);
    EXPECT_DOUBLE_EQ(delta->dx, 9);
}

TEST(ScrollValuatorsTest, TouchpadsAreKnownByName) {
    EXPECT_TRUE(ScrollValuators::nameLooksLikeTouchpad(QStringLiteral("SynPS/2 Synaptics TouchPad")));
    EXPECT_TRUE(ScrollValuators::nameLooksLikeTouchpad(QStringLiteral("Apple Inc. Magic Trackpad 2")));
    EXPECT_FALSE(ScrollValuators::nameLooksLikeTouchpad(QStringLiteral("Logitech USB Optical Mouse")));
}

TEST(PointerPollingTest, PollsQuicklyOnlyNearTheAreaOfInterest) {
    const QRect strip(790, -10, 340, 44);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 10}, strip), SystemPointerSource::nearPollMs);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 33 + SystemPointerSource::nearMargin}, strip),
              SystemPointerSource::nearPollMs);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 540}, strip), SystemPointerSource::farPollMs);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 540}, std::nullopt), SystemPointerSource::nearPollMs);
}
