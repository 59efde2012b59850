#pragma once

#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include <gtest/gtest.h>

// The stub AppState with notifications on for every game and kind, three pins at most and auto-follow on.
// The start-up league refresh (the network binding's first value) has already run, with no league followed,
// when a test begins.
class AppStateFixture : public ::testing::Test, protected StubAppState {
protected:
    using enum GameStatus;
    using Kind = FakeScoresService::Kind;

    void SetUp() override {
        useTestNotificationSettings(preferences);
        preferences.setMaxPinnedGames(3);
        preferences.setAutoFollowFavorites(true);
        processPendingEvents();
        api.clearRequests();
    }
    void TearDown() override { EXPECT_EQ(api.pendingCount(), 0) << "requests left waiting"; }

    // Answers a league refresh or fresh fetch for `leagueId`: the current scoreboard with `current`, today's
    // with `dated`.
    void answerLeague(Kind currentKind, const QString& leagueId, const QList<Game>& current,
                      const QList<Game>& dated = {}) {
        api.answer(currentKind, leagueId, current);
        api.answer(Kind::datedScoreboard, leagueId, dated);
    }

    // Answers every games request at once: each league's current scoreboard from `scoreboards`, the dated
    // and look-back ones with nothing.
    void serveAtOnce(const GamesByLeague& scoreboards) {
        api.gamesResponder = [scoreboards](const FakeScoresService::Request& request) {
            return std::optional<FakeScoresService::GamesResult>(
                request.kind == Kind::datedScoreboard ? QList<Game>{} : scoreboards.value(request.league.id));
        };
    }

    Game game(const QString& id, const QString& leagueId = "nba") const {
        return testGame(id, leagueId, clock.now());
    }
};
