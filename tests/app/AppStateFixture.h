#pragma once

#include "FakePathSource.h"
#include "FakeScoresService.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "RecordingGameNotifier.h"
#include "TaskRunner.h"
#include "TestGames.h"
#include "TestPreferences.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "service/CacheService.h"
#include "service/NetworkMonitor.h"

#include <gtest/gtest.h>

#include <memory>

// An AppState on fakes: a manual clock at 18:00 local time, in-memory settings, a scores service whose
// requests wait for the test, and a recording notifier. The start-up league refresh (the network binding's
// first value) has already run, with no league followed, when a test begins.
class AppStateFixture : public ::testing::Test {
protected:
    void SetUp() override {
        useTestNotificationSettings(preferences);
        preferences.setFavoriteTeamIds({});
        preferences.setMaxPinnedGames(3);
        preferences.setAutoFollowFavorites(true);

        auto source = std::make_unique<FakePathSource>();
        pathSource = source.get();
        monitor = std::make_unique<NetworkMonitor>(std::move(source));
        state = std::make_unique<AppState>(api, cache, notifier, *monitor, preferences, settings, clock);
        processPendingEvents();
        api.clearRequests();
    }

    void TearDown() override {
        EXPECT_EQ(api.pendingCount(), 0) << "requests left waiting";
        state.reset();
    }

    // Answers every request of a league refresh or fresh fetch for `leagueId`: the current scoreboard with
    // `current`, today's with `dated`.
    void answerLeague(FakeScoresService::Kind currentKind, const QString& leagueId,
                      const QList<Game>& current, const QList<Game>& dated = {}) {
        api.answer(currentKind, leagueId, current);
        api.answer(FakeScoresService::Kind::datedScoreboard, leagueId, dated);
    }

    // Answers every games request at once: each league's current scoreboard from `scoreboards`, the dated
    // and look-back ones with nothing.
    void serveAtOnce(const GamesByLeague& scoreboards) {
        api.gamesResponder =
            [scoreboards](
                const FakeScoresService::Request& request) -> std::optional<FakeScoresService::GamesResult> {
            if (request.kind == FakeScoresService::Kind::datedScoreboard)
                return QList<Game>{};
            return scoreboards.value(request.league.id);
        };
    }

    QDateTime now() const { return clock.now(); }
    Game game(const QString& id, const QString& leagueId = QStringLiteral("nba")) const {
        return testGame(id, leagueId, clock.now());
    }

    ManualClock clock{QDateTime(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime)};
    MemorySettingsStore settings;
    UserPreferences preferences{settings};
    CacheService cache{clock};
    FakeScoresService api;
    RecordingGameNotifier notifier;
    FakePathSource* pathSource = nullptr;
    std::unique_ptr<NetworkMonitor> monitor;
    std::unique_ptr<AppState> state;
};
