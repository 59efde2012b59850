#include "platform/input/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <memory>

#include <gtest/gtest.h>

void PrintTo(const QPoint& point, std::ostream* out) {
    *out << "(" << point.x() << ", " << point.y() << ")";
}

namespace {

// Opens `count` windows one after the other, each placed among those open before it; their frames' corners.
QList<QPoint> openOneAfterAnother(const QRect& area, QSize frame, int count) {
    QList<QPoint> open;
    for (int window = 0; window < count; ++window)
        open.append(windowplacement::cascadePlace(area, frame, open));
    return open;
}

// A 1280 x 720 screen and a detail window: 420 x 644 inside a title bar of 21.
const QRect smallScreen(0, 0, 1280, 720);
const QSize detailFrame(420, 665);

TEST(WindowPlacementTest, OnAShortScreenNewWindowsStepSidewaysOnceTheCascadeHasNoRoomDownwards) {
    const QList<QPoint> open = openOneAfterAnother(smallScreen, detailFrame, 5);
    for (const QPoint corner : open)
        EXPECT_TRUE(smallScreen.contains(QRect(corner, detailFrame))) << testing::PrintToString(corner);
    const QPoint centred(430, 27);
    EXPECT_EQ(open[0], centred);
    EXPECT_EQ(open[1], centred + QPoint(28, 28)) << "the second opens down and to the right of the first";
    // No room further down: beside the first place, to the right.
    EXPECT_EQ(open[2], centred + QPoint(28, 0));
    EXPECT_EQ(open[3], centred + QPoint(56, 0));
    EXPECT_EQ(open[4], centred + QPoint(84, 0));
}

TEST(WindowPlacementTest, WhereNoStepDownFitsEveryNewWindowStillOpensInAPlaceOfItsOwnOnTheScreen) {
    // The detail window's frame under a window manager with a taller title bar: on 720 lines the cascade
    // has its first place only.
    const QSize tallFrame(422, 667);
    const QList<QPoint> open = openOneAfterAnother(smallScreen, tallFrame, 3);
    EXPECT_EQ(open, (QList<QPoint>{{429, 26}, {457, 26}, {485, 26}}));
    for (qsizetype one = 0; one < open.size(); ++one) {
        EXPECT_TRUE(smallScreen.contains(QRect(open[one], tallFrame))) << testing::PrintToString(open[one]);
        for (qsizetype other = 0; other < one; ++other)
            EXPECT_GE((open[one] - open[other]).manhattanLength(), 28) << one << " over " << other;
    }
}

TEST(WindowPlacementTest, WithEveryPlaceTakenTheCascadeStartsAgainFromTheCentre) {
    // Room for the centred place and one step to either side, and none downwards.
    const QRect narrow(0, 0, 480, 720);
    const QSize tallFrame(422, 667);
    const QList<QPoint> open = openOneAfterAnother(narrow, tallFrame, 5);
    EXPECT_EQ(open, (QList<QPoint>{{29, 26}, {57, 26}, {1, 26}, {29, 26}, {57, 26}}));
}

TEST(WindowPlacementTest, ANewWindowTakesTheFirstPlaceLeftFreeByAClosedOne) {
    QList<QPoint> open = openOneAfterAnother(smallScreen, detailFrame, 3);
    const QPoint second = open.takeAt(1);
    EXPECT_EQ(windowplacement::cascadePlace(smallScreen, detailFrame, open), second);

    // Below a top panel, on a screen with room for several places.
    const QRect tall(0, 32, 1920, 1048);
    open = openOneAfterAnother(tall, detailFrame, 4);
    for (int later = 1; later < 4; ++later)
        EXPECT_EQ(open[later], open[0] + later * QPoint(28, 28));
    open.removeFirst();
    EXPECT_EQ(windowplacement::cascadePlace(tall, detailFrame, open), QPoint(750, 223));
}

TEST(WindowPlacementTest, ANewWindowsFrameStaysOnTheScreenAsWellAsItsInside) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Tall enough that its inside would still fit a place down the cascade, but its frame would not.
    const QSize inside(400, screen.height() - 58);
    std::vector<std::unique_ptr<QWidget>> windows;
    QList<QWidget*> open;
    for (int window = 0; window < 2; ++window) {
        windows.push_back(std::make_unique<QWidget>());
        windowplacement::makeTitledWindow(windows.back().get(), QStringLiteral("Window"), inside);
        windowplacement::centerClearOf(windows.back().get(), open);
        windowplacement::present(windows.back().get());
        open.append(windows.back().get());
    }
    if (open[0]->frameGeometry().size() == inside)
        GTEST_SKIP() << "this platform draws no frames";
    for (const QWidget* window : open)
        EXPECT_TRUE(screen.contains(window->frameGeometry())) << testing::PrintToString(window->pos());
}

} // namespace
