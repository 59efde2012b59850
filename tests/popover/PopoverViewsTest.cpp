#include "StubAppState.h"
#include "TestGames.h"

#include "popover/GameDetailView.h"
#include "popover/MenuBarView.h"

#include <gtest/gtest.h>

namespace {

Game sampleGame(const QString& id) {
    return testGame(id, QStringLiteral("nba"), QDateTime::currentDateTimeUtc());
}

TEST(MenuBarViewTest, ListsThePinnedGamesAndFollowsChanges) {
    StubAppState app;
    MenuBarView view(app.state);
    EXPECT_TRUE(view.lines().isEmpty());
    app.state.setPinnedGames({sampleGame(QStringLiteral("1"))});
    EXPECT_EQ(view.lines(), QStringList{sampleGame(QStringLiteral("1")).scoreLine()});
}

TEST(GameDetailViewTest, ShowsTheGameOnceKnown) {
    StubAppState app;
    GameDetailView view(QStringLiteral("401"), app.state);
    EXPECT_EQ(view.headline(), QStringLiteral("401"));
    app.state.setGames({{QStringLiteral("nba"), {sampleGame(QStringLiteral("401"))}}});
    EXPECT_EQ(view.headline(), sampleGame(QStringLiteral("401")).scoreLine());
}

} // namespace
