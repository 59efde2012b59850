#include "notch/window/PillHover.h"

#include <gtest/gtest.h>

namespace {

using Change = PillHover::Change;
const QRectF pill(100, 100, 60, 20);
const QPointF onPill(130, 110);
const QPointF besidePill(130, 160);

} // namespace

TEST(PillHoverTest, OnlyAPointerReachingThePillFromOutsideHoversIt) {
    PillHover hover;
    EXPECT_EQ(hover.pointerMoved(besidePill, pill), Change::none);
    EXPECT_EQ(hover.pointerMoved(onPill, pill), Change::entered);
    EXPECT_EQ(hover.pointerMoved(onPill + QPointF(2, 0), pill), Change::none) << "moving on it";
    EXPECT_EQ(hover.pointerMoved(besidePill, pill), Change::left);

    // The pill appearing, or sliding, under a still pointer: no hover, even once the pointer moves on it.
    PillHover still;
    EXPECT_EQ(still.pointerMoved(onPill, QRectF()), Change::none);
    EXPECT_EQ(still.pillMoved(pill), Change::none);
    EXPECT_EQ(still.pointerMoved(onPill, pill), Change::none) << "the same position read again";
    EXPECT_EQ(still.pointerMoved(onPill + QPointF(2, 0), pill), Change::none);
    EXPECT_FALSE(still.isHovered());
    EXPECT_EQ(still.pointerMoved(besidePill, pill), Change::none);
    EXPECT_EQ(still.pointerMoved(onPill, pill), Change::entered);

    // The pill going away, or sliding off a still pointer, ends the hover.
    EXPECT_EQ(still.pillMoved(pill.translated(0, 5)), Change::none);
    EXPECT_EQ(still.pillMoved(pill.translated(0, 30)), Change::left);
    EXPECT_EQ(still.pillMoved(pill), Change::none) << "and sliding back does not bring it back";
    EXPECT_EQ(hover.pointerMoved(onPill, pill), Change::entered);
    EXPECT_EQ(hover.pillMoved(QRectF()), Change::left);
}
