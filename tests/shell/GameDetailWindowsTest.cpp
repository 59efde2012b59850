#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "popover/detail/GameDetailView.h"
#include "shell/GameDetailWindows.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

TEST(GameDetailWindowsTest, OneWindowPerGameCreatedOnDemandAndReopenedFreshOnceClosed) {
    StubAppState app;
    GameDetailWindows windows(app.state, app.api);
    QPointer<QWidget> first = windows.open("401", testLeague("nba"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(qobject_cast<GameDetailView*>(first)->gameId(), "401");
    EXPECT_EQ(windows.open("401", testLeague("nba")), first);
    EXPECT_NE(windows.open("402", testLeague("nba")), first);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    QWidget* second = windows.open("401", testLeague("nba"));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
}

TEST(GameDetailWindowsTest, AWindowOpenedAgainLoadsAgainAndANewOneOpensClearOfThoseOpen) {
    StubAppState app;
    GameDetailWindows windows(app.state, app.api);
    QWidget* first = windows.open("401", testLeague("nba"));
    processPendingEvents();
    EXPECT_EQ(app.api.requestCount(FakeScoresService::Kind::gameDetail), 1);
    EXPECT_EQ(windows.open("401", testLeague("nba")), first);
    processPendingEvents();
    EXPECT_EQ(app.api.requestCount(FakeScoresService::Kind::gameDetail), 2);

    QWidget* second = windows.open("402", testLeague("nba"));
    QWidget* third = windows.open("403", testLeague("nba"));
    using Pair = std::pair<QWidget*, QWidget*>;
    for (const auto& [one, other] : {Pair{first, second}, Pair{first, third}, Pair{second, third}})
        EXPECT_GE((one->pos() - other->pos()).manhattanLength(), 20) << "one window opens over another";
}

} // namespace
