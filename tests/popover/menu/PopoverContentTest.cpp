// The popover's rules: section order, the "Live Now" strip, a row's centre, pin and menu, and what its
// copy and browser entries produce.
#include "TestGames.h"

#include "app/GameListing.h"
#include "popover/menu/GameRowContent.h"
#include "popover/menu/PopoverContent.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now = QDateTime(QDate(2026, 3, 14), QTime(18, 0), Qt::UTC);

Game game(const QString& id, GameStatus status = GameStatus::scheduled, const QString& leagueId = "nba") {
    return withStatus(testGame(id, leagueId, now), status);
}

Game startingAt(const QString& id, qint64 seconds) {
    Game scheduled = game(id);
    scheduled.startTime = now.addSecs(seconds);
    return scheduled;
}

QStringList menuTexts(const QList<gamerow::MenuEntry>& entries) {
    QStringList texts;
    for (const gamerow::MenuEntry& entry : entries)
        texts.append(entry.action == gamerow::MenuEntry::Action::separator ? "--" : entry.text);
    return texts;
}

TEST(PopoverContentTest, GamesGoLiveScheduledFinalAndHeadersCountThem) {
    const QList<Game> games{
        game("final", GameStatus::final_), startingAt("late", 3600), game("live", GameStatus::inProgress),
        startingAt("early", 600),          startingAt("tie", 3600),  game("postponed", GameStatus::postponed),
        game("half", GameStatus::halftime)};
    EXPECT_EQ(idsOf(gamelisting::liveThenScheduledThenFinal(games)),
              (QStringList{"live", "half", "early", "late", "tie", "final"}));

    popovercontent::SectionHeader header = popovercontent::sectionHeader({});
    EXPECT_EQ(header.count, 0);
    EXPECT_FALSE(header.hasLiveGame);
    header = popovercontent::sectionHeader({game("live", GameStatus::inProgress), game("a"), game("b")});
    EXPECT_EQ(header.count, 3);
    EXPECT_TRUE(header.hasLiveGame);
    EXPECT_FALSE(popovercontent::sectionHeader({game("final", GameStatus::final_)}).hasLiveGame);
}

TEST(PopoverContentTest, LiveNowShowsThreeLiveGamesOnlyWhileNothingIsPinned) {
    QList<Game> live;
    for (const QString id : {"1", "2", "3", "4", "5"})
        live.append(game(id, GameStatus::inProgress));
    EXPECT_EQ(idsOf(popovercontent::liveNowGames(live, {})), (QStringList{"1", "2", "3"}));
    EXPECT_TRUE(popovercontent::liveNowGames(live, {game("x")}).isEmpty());

    EXPECT_TRUE(popovercontent::isPinned(game("2"), {game("1"), game("2", GameStatus::final_)}));
    EXPECT_FALSE(popovercontent::isPinned(game("3"), {game("1")}));
    EXPECT_FALSE(popovercontent::isPinned(game("1", GameStatus::scheduled, "nhl"), {game("1")}))
        << "another league's game under the same id";

    EXPECT_FALSE(popovercontent::updatedText(std::nullopt, now));
    EXPECT_EQ(popovercontent::updatedText(now.addSecs(-120), now), "Updated 2 min. ago");
}

TEST(GameRowContentTest, CentreRaceStateAndPin) {
    EXPECT_EQ(gamerow::centreOf(game("s")), gamerow::Centre::startTime);
    for (GameStatus status : {GameStatus::postponed, GameStatus::cancelled, GameStatus::delayed})
        EXPECT_EQ(gamerow::centreOf(game("x", status)), gamerow::Centre::startTime);
    EXPECT_EQ(gamerow::centreOf(game("f", GameStatus::final_)), gamerow::Centre::score);
    EXPECT_EQ(gamerow::centreOf(game("l", GameStatus::endOfPeriod)), gamerow::Centre::score);

    Game race = game("gp", GameStatus::inProgress, "f1");
    EXPECT_EQ(gamerow::raceStateOf(race), gamerow::RaceState::live);
    EXPECT_FALSE(gamerow::raceLeader(race));
    race.raceStandings = QList<RaceDriver>{};
    EXPECT_FALSE(gamerow::raceLeader(race));
    EXPECT_EQ(gamerow::liveMarkText(race), "LIVE");
    race.clock = "Lap 12/58";
    EXPECT_EQ(gamerow::liveMarkText(race), "Lap 12/58");
    race.raceStandings =
        QList<RaceDriver>{{"a", 1, "Ada Quick", "QUI", {}, false}, {"b", 2, "B", "B", {}, false}};
    EXPECT_EQ(gamerow::raceLeader(race)->name, "Ada Quick");
    Game upcoming = game("gp2", GameStatus::delayed, "f1");
    EXPECT_EQ(gamerow::raceStateOf(upcoming), gamerow::RaceState::upcoming);
    EXPECT_EQ(gamerow::raceTitle(upcoming), "Race");
    EXPECT_EQ(gamerow::raceStateOf(game("gp3", GameStatus::final_, "f1")), gamerow::RaceState::finished);

    EXPECT_EQ(gamerow::pinButtonLook(false, false).opacity, 0.0);
    EXPECT_EQ(gamerow::pinButtonLook(false, true).opacity, 1.0);
    const gamerow::PinButtonLook pinned = gamerow::pinButtonLook(true, false);
    EXPECT_EQ(pinned.opacity, 1.0);
    EXPECT_EQ(pinned.symbol, "pin.fill");
    EXPECT_TRUE(pinned.accent);
    EXPECT_EQ(pinned.toolTip, "Unpin");
    EXPECT_EQ(gamerow::pinButtonLook(false, true).toolTip, "Pin to Menu Bar");
}

TEST(GameRowContentTest, ContextMenuEntriesFollowPinAndBroadcast) {
    Game scheduled = game("1");
    EXPECT_EQ(menuTexts(gamerow::menuEntries(scheduled, false)),
              (QStringList{"Pin to Menu Bar", "View Details", "--", "Open in Browser", "--", "Copy Score"}));
    scheduled.broadcast = "Channel 9";
    EXPECT_EQ(menuTexts(gamerow::menuEntries(scheduled, true)),
              (QStringList{"Unpin from Menu Bar", "View Details", "--", "Watch on Channel 9",
                           "Open in Browser", "--", "Copy Score"}));
}

TEST(GameRowContentTest, CopyTextAndBrowserAddress) {
    Game finished = game("401", GameStatus::final_);
    finished.awayTeam.name = "Harbor Hawks";
    finished.awayTeam.abbreviation = "HAR";
    finished.awayScore = 101;
    finished.homeTeam.name = "Lake Owls";
    finished.homeTeam.abbreviation = "LAK";
    finished.homeScore = 99;
    EXPECT_EQ(gamerow::copyScoreText(finished), "Harbor Hawks vs Lake Owls: HAR 101 - 99 LAK");
    // A scheduled game copies its names and its (empty) score all the same.
    EXPECT_EQ(gamerow::copyScoreText(withStatus(finished, GameStatus::scheduled)),
              "Harbor Hawks vs Lake Owls: HAR 0 - 0 LAK");

    EXPECT_EQ(gamerow::browserAddress(finished)->toString(),
              "https://www.espn.com/basketball/game/_/gameId/401");

    // An id from a reply stays one path segment: it cannot climb, add a query or move to another host.
    Game hostile = finished;
    hostile.id = "1/../../x?y=1#z @evil.test";
    const QUrl url = *gamerow::browserAddress(hostile);
    EXPECT_EQ(url.host(), "www.espn.com");
    EXPECT_FALSE(url.hasQuery());
    EXPECT_FALSE(url.hasFragment());
    EXPECT_EQ(url.path(QUrl::FullyEncoded),
              "/basketball/game/_/gameId/1%2F..%2F..%2Fx%3Fy%3D1%23z%20%40evil.test");
}

} // namespace
