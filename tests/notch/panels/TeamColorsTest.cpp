#include "notch/panels/TeamColors.h"

#include <gtest/gtest.h>

namespace {
QRgb rgba(const std::optional<QColor>& color) {
    return color ? color->rgba() : 0xdeadbeef;
}
} // namespace

TEST(TeamColorsTest, HexTextReadsByLengthWithTheScanStoppingAtTheFirstNonDigit) {
    EXPECT_EQ(rgba(colorFromHex("#FFF")), qRgba(255, 255, 255, 255));
    EXPECT_EQ(rgba(colorFromHex("F80")), qRgba(0xff, 0x88, 0x00, 255));
    EXPECT_EQ(rgba(colorFromHex(" #1d428a ")), qRgba(0x1d, 0x42, 0x8a, 255));
    // Alpha first: an opaque dark blue, not a half-transparent red.
    EXPECT_EQ(rgba(colorFromHex("FF000080")), qRgba(0x00, 0x00, 0x80, 0xff));
    EXPECT_EQ(rgba(colorFromHex("80FF0000")), qRgba(0xff, 0x00, 0x00, 0x80));
    // Nothing parses, but the length is 6: black.
    EXPECT_EQ(rgba(colorFromHex("GGGGGG")), qRgba(0, 0, 0, 255));
    // The scan keeps "12" and stops at G.
    EXPECT_EQ(rgba(colorFromHex("12G456")), qRgba(0, 0, 0x12, 255));
    // Characters inside stay and count.
    EXPECT_FALSE(colorFromHex("#FF 00"));
    EXPECT_FALSE(colorFromHex("12345"));
    EXPECT_FALSE(colorFromHex(""));
    EXPECT_FALSE(colorFromHex("##"));
    EXPECT_EQ(teamColorOrGrey(""), QColor(0x8e, 0x8e, 0x93));
}

TEST(TeamColorsTest, DarkColoursAreBrightenedAndPodiumPositionsColoured) {
    const QColor black = adjustedForContrast(Qt::black).toHsv();
    EXPECT_NEAR(black.valueF(), 0.55, 0.005);
    EXPECT_EQ(black.hsvSaturation(), 0);

    const QColor navy = adjustedForContrast(QColor(0, 0, 0x60)).toHsv();
    EXPECT_NEAR(navy.hsvSaturationF(), 0.85, 0.005);
    EXPECT_GE(navy.valueF(), 0.545);
    EXPECT_EQ(navy.hsvHue(), 240);

    const QColor translucent = adjustedForContrast(QColor(0x10, 0x10, 0x10, 0x40));
    EXPECT_EQ(translucent.alpha(), 0x40);

    const QColor grey = QColor::fromRgbF(0.5f, 0.5f, 0.5f);
    EXPECT_EQ(adjustedForContrast(grey), grey);
    // Bright blue is dark by luminance (0.114) and is lifted too, keeping its hue.
    EXPECT_EQ(adjustedForContrast(QColor(0, 0, 255)).toHsv().hsvHue(), 240);

    EXPECT_EQ(positionBadgeColor(1), QColor::fromRgbF(1.0f, 0.84f, 0.0f));
    EXPECT_EQ(positionBadgeColor(3), QColor::fromRgbF(0.8f, 0.5f, 0.2f));
    EXPECT_EQ(positionBadgeColor(0), QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.5f));
    EXPECT_EQ(positionBadgeColor(4), positionBadgeColor(0));
}
