// The detail model's loads: what it publishes and in which order, quiet not-found, failures, overlaps.
#include "LogCapture.h"
#include "StubAppState.h"
#include "TestGames.h"

#include "popover/detail/DetailTab.h"
#include "popover/detail/GameDetailViewModel.h"

#include <gtest/gtest.h>

namespace {

class GameDetailViewModelTest : public ::testing::Test {
protected:
    GameDetailViewModelTest() { app.preferences.setEnabledLeagues({"nba"}); }

    Game game(const QString& id, const QString& leagueId = "nba") const {
        return testGame(id, leagueId, app.clock.now());
    }
    void hold(const QList<Game>& games) {
        GamesByLeague byLeague;
        for (const Game& held : games)
            byLeague[held.league.id].append(held);
        app.state.setGames(byLeague);
    }
    static GameDetail detailOf(const Game& summaryGame, int plays) {
        GameDetail detail{summaryGame, std::nullopt, {}, GameLeaders{}, std::nullopt};
        for (int n = plays; n > 0; --n) {
            PlayByPlayEvent play;
            play.id = QString::number(n);
            detail.playByPlay.append(play);
        }
        return detail;
    }
    // Records the published properties by name, in order.
    void watch(GameDetailViewModel& model) {
        QObject::connect(&model, &GameDetailViewModel::gameChanged, [this] { published.append("game"); });
        QObject::connect(&model, &GameDetailViewModel::gameDetailChanged,
                         [this] { published.append("gameDetail"); });
        QObject::connect(&model, &GameDetailViewModel::playByPlayChanged,
                         [this] { published.append("playByPlay"); });
        QObject::connect(&model, &GameDetailViewModel::isLoadingChanged,
                         [this](bool loading) { published.append(loading ? "loading" : "loaded"); });
        QObject::connect(&model, &GameDetailViewModel::errorChanged,
                         [this](const auto& error) { published.append(error ? "error" : "noError"); });
    }

    StubAppState app;
    FakeScoresService service;
    QStringList published;
};

TEST_F(GameDetailViewModelTest, ALoadShowsTheHeldGameAtOnceThenTheSummarysGameAndPlays) {
    Game later = game("401");
    later.venue = "Later Arena";
    Game earlier = game("401");
    earlier.startTime = earlier.startTime.addSecs(-600);
    earlier.venue = "Earlier Arena";
    hold({later, earlier});
    GameDetailViewModel model("401", app.state, service);
    watch(model);
    model.loadGameDetail();

    ASSERT_EQ(service.waitingDetails(), 1);
    EXPECT_EQ(service.requests()[0].gameId, "401");
    EXPECT_EQ(service.requests()[0].league.id, "nba");
    EXPECT_TRUE(model.isLoading());
    ASSERT_TRUE(model.game());
    EXPECT_EQ(model.game()->venue, "Earlier Arena") << "of two games with the same id, the earlier start";
    EXPECT_EQ(model.game()->homeScore, 0);

    Game summary = withStatus(game("401"), GameStatus::inProgress, 50, 48);
    service.answerDetail(0, detailOf(summary, 7));
    EXPECT_EQ(published,
              (QStringList{"loading", "noError", "game", "gameDetail", "game", "playByPlay", "loaded"}));
    EXPECT_EQ(model.game()->homeScore, 50);
    EXPECT_EQ(model.playByPlay().size(), 7);
    EXPECT_FALSE(model.error());
}

TEST_F(GameDetailViewModelTest, AGameOutsideTheCurrentGamesEndsQuietlyWithoutARequest) {
    Game farAhead = game("ahead");
    farAhead.startTime = app.clock.now().toUTC().addSecs(86401);
    Game olderFinal = withStatus(game("old"), GameStatus::final_);
    olderFinal.startTime = app.clock.now().toUTC().addSecs(-7200);
    Game latestFinal = withStatus(game("latest"), GameStatus::final_);
    latestFinal.startTime = app.clock.now().toUTC().addSecs(-3600);
    hold({farAhead, olderFinal, latestFinal, game("other-league", "nhl")});

    for (const QString id : {"ahead", "old", "other-league", "unknown"}) {
        GameDetailViewModel model(id, app.state, service);
        model.loadGameDetail();
        EXPECT_FALSE(model.isLoading()) << id.toStdString();
        EXPECT_FALSE(model.game());
        EXPECT_FALSE(model.gameDetail());
        EXPECT_FALSE(model.error());
    }
    EXPECT_TRUE(service.requests().empty());

    GameDetailViewModel latest("latest", app.state, service);
    latest.loadGameDetail();
    EXPECT_EQ(service.waitingDetails(), 1);
}

TEST_F(GameDetailViewModelTest, AFailureIsPublishedAndLoggedWhileEarlierDataStays) {
    hold({game("401")});
    GameDetailViewModel model("401", app.state, service);
    model.loadGameDetail();
    service.answerDetail(0, detailOf(withStatus(game("401"), GameStatus::inProgress, 3, 1), 2));

    LogCapture log;
    model.refresh();
    EXPECT_TRUE(model.isLoading());
    service.answerDetail(0, APIError::httpError(500));
    ASSERT_TRUE(model.error());
    EXPECT_EQ(model.error()->errorDescription(), "HTTP error: 500");
    EXPECT_TRUE(model.gameDetail());
    EXPECT_EQ(model.playByPlay().size(), 2);
    EXPECT_FALSE(model.isLoading());
    EXPECT_EQ(log.messages, QStringList{"critical General: Failed to load game details: HTTP error: 500"});

    // The next load clears the error at once.
    model.refresh();
    EXPECT_FALSE(model.error());
}

TEST_F(GameDetailViewModelTest, OverlappingLoadsBothPublishAndTheLastToFinishWins) {
    hold({game("401")});
    GameDetailViewModel model("401", app.state, service);
    model.loadGameDetail();
    model.refresh();
    ASSERT_EQ(service.waitingDetails(), 2);
    service.answerDetail(1, detailOf(withStatus(game("401"), GameStatus::inProgress, 10, 0), 1));
    EXPECT_FALSE(model.isLoading());
    service.answerDetail(0, detailOf(withStatus(game("401"), GameStatus::inProgress, 4, 0), 3));
    EXPECT_EQ(model.game()->homeScore, 4);
    EXPECT_EQ(model.playByPlay().size(), 3);
}

TEST_F(GameDetailViewModelTest, ALoadFinishingAfterThePanelClosedIsDropped) {
    hold({game("401")});
    auto model = std::make_unique<GameDetailViewModel>("401", app.state, service);
    model->loadGameDetail();
    model.reset();
    // Only a crash, or the sanitizer pass's report of a write into the freed model, can show the fault.
    service.answerDetail(0, detailOf(game("401"), 1));
    SUCCEED();
}

TEST_F(GameDetailViewModelTest, SummaryTeamsWithoutLogoOrColourKeepThoseOfTheGameOpened) {
    Game held = game("401");
    held.homeTeam.logoURL = QUrl("https://images.test/home.png");
    held.homeTeam.primaryColor = "123456";
    held.awayTeam.logoURL = QUrl("https://images.test/away.png");
    held.awayTeam.primaryColor = "ABCDEF";
    hold({held});

    Game summary = game("401");
    summary.homeTeam.primaryColor = "808080"; // what the reply mapping writes for a team without a colour
    summary.awayTeam.logoURL = QUrl("https://images.test/away-new.png");
    summary.awayTeam.primaryColor = "FF0000";
    GameDetailViewModel model("401", app.state, service);
    model.loadGameDetail();
    service.answerDetail(0, detailOf(summary, 0));

    EXPECT_EQ(model.game()->homeTeam.logoURL, held.homeTeam.logoURL);
    EXPECT_EQ(model.game()->homeTeam.primaryColor, "123456");
    EXPECT_EQ(model.game()->awayTeam.logoURL, summary.awayTeam.logoURL);
    EXPECT_EQ(model.game()->awayTeam.primaryColor, "FF0000");
    EXPECT_EQ(model.gameDetail()->game, *model.game());

    // Found by id where the sides differ.
    Game swapped = summary;
    std::swap(swapped.homeTeam, swapped.awayTeam);
    swapped.awayTeam.logoURL.reset();
    EXPECT_EQ(
        GameDetailViewModel::withKnownDetails(swapped, held, GameDetailViewModel::KnownCopy::currentGames)
            .awayTeam.logoURL,
        held.homeTeam.logoURL);
}

TEST_F(GameDetailViewModelTest, TheSummaryKeepsWhatOnlyTheGameOpenedKnows) {
    TeamRecord record;
    record.wins = 41;
    record.losses = 17;
    Game held = withStatus(game("401"), GameStatus::inProgress, 3, 1);
    held.venue = "Harbor Arena";
    held.broadcast = "Channel 9";
    held.situations = GameSituation{};
    held.situations->powerPlay = "PP 1:12";
    held.odds = GameOdds{};
    held.odds->overUnder = 5.5;
    held.homeTeam.record = record;
    held.awayTeam.record = record;
    hold({held});

    // The summary carries neither venue, broadcast, situation, odds nor records.
    Game summary = withStatus(game("401"), GameStatus::inProgress, 4, 1);
    // Where it has a record of its own, that one stays.
    summary.awayTeam.record = TeamRecord{};
    summary.awayTeam.record->wins = 42;
    GameDetailViewModel model("401", app.state, service);
    model.loadGameDetail();
    service.answerDetail(0, detailOf(summary, 0));

    ASSERT_TRUE(model.game());
    EXPECT_EQ(model.game()->homeScore, 4);
    EXPECT_EQ(model.game()->venue, "Harbor Arena");
    EXPECT_EQ(model.game()->broadcast, "Channel 9");
    EXPECT_EQ(model.game()->situations, held.situations);
    EXPECT_EQ(model.game()->odds, held.odds);
    EXPECT_EQ(model.game()->homeTeam.record, record);
    EXPECT_EQ(model.game()->awayTeam.record->wins, 42);

    // A game that the summary says is over keeps no situation from while it was live.
    model.refresh();
    service.answerDetail(0, detailOf(withStatus(game("401"), GameStatus::final_, 4, 2), 0));
    EXPECT_FALSE(model.game()->situations);
    EXPECT_EQ(model.game()->venue, "Harbor Arena");
}

TEST_F(GameDetailViewModelTest, ARaceKeepsItsStandingsAndStateAndTakesOnlyThePlaysAndLeadersOfItsSummary) {
    app.preferences.setEnabledLeagues({"f1"});
    Game race = withStatus(game("600", "f1"), GameStatus::inProgress, 0, 0, "Lap 31/58");
    race.clock = "Lap 31/58";
    race.raceStandings = QList<RaceDriver>{RaceDriver{}};
    race.raceStandings->first().name = "Lando Norris";
    hold({race});
    GameDetailViewModel model("600", app.state, service);
    model.loadGameDetail();

    // The summary's copy of a race knows no standings, and states its status its own way.
    GameDetail summary = detailOf(withStatus(game("600", "f1"), GameStatus::scheduled, 3, 5, "Race"), 2);
    summary.leaders->homeLeaders.append(LeaderCategory{"Fastest Lap", "Lando Norris", "1:20.235"});
    service.answerDetail(0, summary);

    ASSERT_TRUE(model.game() && model.gameDetail());
    EXPECT_EQ(*model.game(), race);
    EXPECT_EQ(model.gameDetail()->game, race);
    EXPECT_EQ(model.playByPlay().size(), 2);
    ASSERT_TRUE(model.gameDetail()->leaders);
    EXPECT_EQ(model.gameDetail()->leaders->homeLeaders.size(), 1);
}

TEST_F(GameDetailViewModelTest, ARaceKnownOnlyFromItsSummaryFollowsItsStateOnRefresh) {
    // Opened from its notification while its league is not followed: the summary is all there is.
    GameDetailViewModel model("600", testLeague("f1"), app.state, service);
    model.loadGameDetail();
    service.answerDetail(
        0, detailOf(withStatus(game("600", "f1"), GameStatus::inProgress, 0, 0, "Lap 31/58"), 0));
    ASSERT_TRUE(model.game());
    EXPECT_TRUE(model.game()->isLive());
    EXPECT_EQ(model.game()->period, "Lap 31/58");

    model.refresh();
    service.answerDetail(0, detailOf(withStatus(game("600", "f1"), GameStatus::final_, 0, 0, "Final"), 0));
    EXPECT_EQ(model.game()->status, GameStatus::final_);
    EXPECT_EQ(model.game()->period, "Final");
    EXPECT_EQ(model.gameDetail()->game, *model.game());
}

TEST_F(GameDetailViewModelTest, AMatchNoLongerAmongTheCurrentGamesKeepsItsSetsButTakesTheSummarysState) {
    app.preferences.setEnabledLeagues({"atp"});
    Game match = withStatus(game("700", "atp"), GameStatus::inProgress, 1, 1, "3-6 6-4 1-2");
    match.clock = "0:00";
    hold({match});
    GameDetailViewModel model("700", testLeague("atp"), app.state, service);
    model.loadGameDetail();
    service.answerDetail(
        0, detailOf(withStatus(game("700", "atp"), GameStatus::inProgress, 0, 0, "3rd Set"), 0));
    EXPECT_EQ(*model.game(), match) << "the current games' copy is kept whole";

    // The user unticks the league; the match finishes meanwhile.
    app.preferences.setEnabledLeagues({"nba"});
    Game finished = withStatus(game("700", "atp"), GameStatus::final_, 0, 0, "Final");
    finished.clock.reset();
    model.refresh();
    service.answerDetail(0, detailOf(finished, 0));
    ASSERT_TRUE(model.game());
    EXPECT_EQ(model.game()->status, GameStatus::final_);
    EXPECT_EQ(model.game()->period, "Final");
    EXPECT_EQ(model.game()->clock, std::nullopt);
    EXPECT_EQ(std::pair(model.game()->homeScore, model.game()->awayScore), std::pair(1LL, 1LL))
        << "the sets won, which the summary does not carry, stay";
}

TEST_F(GameDetailViewModelTest, AModelThatKnowsTheLeagueLoadsAGameOutsideTheCurrentGamesFromItsSummary) {
    // The league's live game keeps its finished one out of the current games.
    Game finished = withStatus(game("400"), GameStatus::final_, 102, 100);
    finished.startTime = app.clock.now().toUTC().addSecs(-7200);
    hold({finished, withStatus(game("401"), GameStatus::inProgress)});
    GameDetailViewModel model("400", testLeague("nba"), app.state, service);
    watch(model);
    model.loadGameDetail();

    ASSERT_EQ(service.waitingDetails(), 1);
    EXPECT_EQ(service.requests()[0].gameId, "400");
    EXPECT_EQ(service.requests()[0].league.id, "nba");
    EXPECT_FALSE(model.game()) << "nothing to show until the summary arrives";
    EXPECT_FALSE(service.requests()[0].live) << "the first load may take the summary from the cache";

    Game summary = withStatus(game("400"), GameStatus::final_, 102, 100);
    summary.homeTeam.logoURL = QUrl("https://images.test/summary-home.png");
    service.answerDetail(0, detailOf(summary, 2));
    EXPECT_EQ(published, (QStringList{"loading", "noError", "gameDetail", "game", "playByPlay", "loaded"}));
    ASSERT_TRUE(model.game());
    EXPECT_EQ(model.game()->status, GameStatus::final_);
    EXPECT_EQ(model.game()->homeScore, 102);
    EXPECT_EQ(model.playByPlay().size(), 2);

    // Every refresh asks again; what the next summary lacks, the game shown before keeps.
    summary.homeTeam.logoURL.reset();
    summary.venue = "Harbor Arena";
    model.refresh();
    ASSERT_EQ(service.waitingDetails(), 1);
    EXPECT_TRUE(service.requests().back().live) << "a refresh asks past the cache";
    service.answerDetail(0, detailOf(summary, 0));
    EXPECT_EQ(model.game()->homeTeam.logoURL, QUrl("https://images.test/summary-home.png"));
    model.refresh();
    service.answerDetail(0, APIError::httpError(503));
    ASSERT_TRUE(model.error());
    EXPECT_EQ(model.game()->venue, "Harbor Arena");
    EXPECT_EQ(service.requestCount(FakeScoresService::Kind::gameDetail), 3);

    // Among the current games of its league, the game shows at once, as a panel opened from a row does.
    GameDetailViewModel live("401", testLeague("nba"), app.state, service);
    live.loadGameDetail();
    ASSERT_TRUE(live.game());
    EXPECT_EQ(live.game()->status, GameStatus::inProgress);
    // The same id in another league is another game.
    GameDetailViewModel otherLeague("401", testLeague("nhl"), app.state, service);
    otherLeague.loadGameDetail();
    EXPECT_FALSE(otherLeague.game());
    EXPECT_EQ(service.requests().back().league.id, "nhl");
}

TEST(DetailTabTest, RawValuesAndTitles) {
    EXPECT_EQ(fromRawValue<DetailTab>(u"boxScore"), DetailTab::boxScore);
    EXPECT_FALSE(fromRawValue<DetailTab>(u"Box Score"));
    EXPECT_FALSE(fromRawValue<DetailTab>(u""));
    EXPECT_EQ(title(DetailTab::playByPlay), "Plays");
}

} // namespace
