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

TEST(WindowPlacementTest, OnASmallScreenEveryNewWindowStaysOnTheScreenAndTheCascadeStartsAgainFromTheCentre) {
    const QList<QPoint> open = openOneAfterAnother(smallScreen, detailFrame, 5);
    for (const QPoint corner : open)
        EXPECT_TRUE(smallScreen.contains(QRect(corner, detailFrame))) << testing::PrintToString(corner);
    const QPoint centred(430, 27);
    EXPECT_EQ(open[0], centred);
    EXPECT_EQ(open[1], centred + QPoint(28, 28)) << "the second opens down and to the right of the first";
    // No room further down: the third starts again from the first place, and the cascade goes on from there.
    EXPECT_EQ(open[2], centred);
    EXPECT_EQ(open[3], open[1]);
    EXPECT_EQ(open[4], centred);
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
