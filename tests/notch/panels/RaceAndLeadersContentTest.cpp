#include "notch/panels/LeadersContent.h"
#include "notch/panels/LeadersPanel.h"
#include "notch/panels/OverlayLabels.h"
#include "notch/panels/RaceStandingsContent.h"

#include "TestGames.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime);

Game raceWith(int drivers, GameStatus status) {
    Game game = withStatus(testGame("r", "f1", now), status);
    QList<RaceDriver> standings;
    for (int i = 1; i <= drivers; ++i)
        standings.append(
            {QString::number(i), i, "Driver " + QString::number(i), "D" + QString::number(i), {}, false});
    game.raceStandings = standings;
    return game;
}

TopScorer scorer(const QString& name, bool isHome) {
    return {name, "20 PTS", std::nullopt, isHome};
}

} // namespace

TEST(RaceStandingsContentTest, FirstFiveInTheCardTheRestInTheDeepListWithPodiumBadgesAndIntervals) {
    const auto seven = RaceStandingsContent::make(raceWith(7, GameStatus::inProgress), now);
    EXPECT_EQ(seven.expandedRows.size(), 5);
    ASSERT_EQ(seven.deepRows.size(), 2);
    EXPECT_EQ(seven.deepRows[0].driver.id, "6");
    EXPECT_TRUE(seven.showsDeepList());

    const auto five = RaceStandingsContent::make(raceWith(5, GameStatus::inProgress), now);
    EXPECT_EQ(five.expandedRows.size(), 5);
    EXPECT_FALSE(five.showsDeepList());

    Game none = raceWith(0, GameStatus::scheduled);
    none.raceStandings.reset();
    EXPECT_TRUE(RaceStandingsContent::make(none, now).expandedRows.isEmpty());

    const auto leader = RaceStandingsContent::makeRow({"a", 1, "A", "A", {}, false});
    EXPECT_TRUE(leader.isPodium);
    EXPECT_EQ(leader.intervalText, "Leader");
    const auto third = RaceStandingsContent::makeRow({"c", 3, "C", "C", {}, false});
    EXPECT_TRUE(third.isPodium);
    EXPECT_EQ(third.intervalText, "+2 pos");
    EXPECT_FALSE(RaceStandingsContent::makeRow({"d", 4, "D", "D", {}, false}).isPodium);
    // Zero and below also take the badge form.
    EXPECT_TRUE(RaceStandingsContent::makeRow({"z", 0, "Z", "Z", {}, false}).isPodium);
    EXPECT_EQ(driverIntervalLabel(2), "+1 pos");
}

TEST(RaceStandingsContentTest, HeaderShowsLiveWinnerOrStartTime) {
    Game live = raceWith(3, GameStatus::inProgress);
    EXPECT_EQ(RaceStandingsContent::make(live, now).header.kind, RaceStandingsContent::Header::Kind::live);
    EXPECT_FALSE(RaceStandingsContent::make(live, now).header.period);
    live.period = QStringLiteral("Lap 12");
    EXPECT_EQ(RaceStandingsContent::make(live, now).header.period, "Lap 12");

    const auto finished = RaceStandingsContent::make(raceWith(3, GameStatus::final_), now).header;
    EXPECT_EQ(finished.kind, RaceStandingsContent::Header::Kind::winner);
    EXPECT_EQ(finished.winnerShortName, "D1");

    // A finished race with empty standings shows its start time instead of the pill.
    Game emptyFinal = raceWith(0, GameStatus::final_);
    emptyFinal.startTime = now.addSecs(-3600);
    const auto header = RaceStandingsContent::make(emptyFinal, now).header;
    EXPECT_EQ(header.kind, RaceStandingsContent::Header::Kind::startTime);
    EXPECT_TRUE(header.timeLabel.startsWith("Today @ "));
}

// Days are Berlin's, an hour ahead of UTC in March: around midnight there the UTC day is still the other one.
TEST(OverlayLabelsTest, StartTimesCountDaysAndHoursInTheGivenZoneAcrossMidnight) {
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const auto at = [&](int day, int hour, int minute) {
        return QDateTime(QDate(2026, 3, day), QTime(hour, minute), berlin);
    };
    const auto label = [&](const QDateTime& date, const QDateTime& now) {
        return gameTimeLabel(date, now, berlin, english);
    };
    const QDateTime lateEvening = at(14, 23, 30);
    EXPECT_EQ(label(at(14, 22, 30), lateEvening), "Today @ 10:30 PM");
    EXPECT_EQ(label(at(15, 0, 15), lateEvening), "Tomorrow @ 12:15 AM");
    EXPECT_EQ(label(at(16, 0, 15), lateEvening), "Mar 16 @ 12:15 AM");
    EXPECT_EQ(label(at(12, 19, 0), lateEvening), "Mar 12");
    EXPECT_EQ(label(at(16, 20, 0), lateEvening), "Mar 16 @ 8:00 PM");

    const QDateTime pastMidnight = at(15, 0, 20);
    EXPECT_EQ(label(at(14, 23, 50), pastMidnight), "Yesterday");
    EXPECT_EQ(label(at(15, 0, 5), pastMidnight), "Today @ 12:05 AM");
    EXPECT_EQ(label(at(15, 19, 30), pastMidnight), "Today @ 7:30 PM");
    EXPECT_EQ(label(at(13, 23, 50), pastMidnight), "Mar 13");

    // The rows' time of day: the locale's short format, never its seconds.
    const QDateTime evening = at(14, 19, 30);
    EXPECT_EQ(timeOfDayText(evening, berlin, english), "7:30 PM");
    EXPECT_EQ(timeOfDayText(evening, berlin, QLocale(QLocale::German, QLocale::Germany)), "19:30");
    EXPECT_EQ(timeOfDayText(evening, berlin, QLocale::c()), "19:30");
    EXPECT_EQ(timeOfDayText(evening, QTimeZone::utc(), english), "6:30 PM");
}

TEST(LeadersContentTest, FirstLeaderOfEachSideASpinnerWhileLoadingOrTheBadge) {
    const Game game = testGame("g", "nba", now);
    const auto content = LeadersContent::make(
        game, false, {scorer("Home One", true), scorer("Home Two", true), scorer("Away One", false)});
    EXPECT_EQ(content.kind, LeadersContent::Kind::columns);
    EXPECT_EQ(content.home->playerName, "Home One");
    EXPECT_EQ(content.away->playerName, "Away One");

    const auto homeOnly = LeadersContent::make(game, false, {scorer("Home One", true)});
    EXPECT_FALSE(homeOnly.away);
    EXPECT_EQ(homeOnly.kind, LeadersContent::Kind::columns);

    // A spinner while loading, the league's badge with no leaders or for sports without them.
    EXPECT_EQ(LeadersContent::make(game, true, {}).kind, LeadersContent::Kind::loading);
    EXPECT_EQ(LeadersContent::make(game, false, {}).kind, LeadersContent::Kind::badge);
    for (const char* league : {"mlb", "pga", "atp", "ufc"}) {
        // Whatever the model holds, these sports show only the league's badge.
        const auto content = LeadersContent::make(testGame("g", league, now), true, {scorer("X", true)});
        EXPECT_EQ(content.kind, LeadersContent::Kind::badge) << league;
    }
}

TEST(LeadersContentTest, BadgePrefersArtworkThenLogoThenAbbreviation) {
    using Kind = LeadersContent::LeagueBadge::Kind;
    const auto ncaam = LeadersContent::leagueBadge(testLeague("ncaam"));
    EXPECT_EQ(ncaam.kind, Kind::artwork);
    EXPECT_EQ(ncaam.assetName, "NCAAMLogo");
    const auto nba = LeadersContent::leagueBadge(testLeague("nba"));
    EXPECT_EQ(nba.kind, Kind::remoteLogo);
    EXPECT_TRUE(nba.logoURL.path().endsWith(".png"));
    const auto unknown = LeadersContent::leagueBadge(testLeague("xyz"));
    EXPECT_EQ(unknown.kind, Kind::abbreviation);
    EXPECT_EQ(unknown.abbreviation, "XYZ");

    EXPECT_EQ(LeadersContent::initial("J"), "J");
    EXPECT_EQ(LeadersContent::initial(""), "");
    EXPECT_EQ(LeadersContent::initial("Élan"), "É");
    // A name opening with a break or spaces shows its first letter.
    EXPECT_EQ(LeadersContent::initial("\n  Jay Harper"), "J");
    EXPECT_EQ(LeadersContent::initial("\u2028\t"), "");
}

TEST(LeadersPanelTest, EachSideShowsHeadshotThenTextTheHomeSideHuggingItsOuterEdge) {
    const QRectF away(14, 6, 130, 24);
    const QRectF home(196, 6, 130, 24);
    const auto awayRow = LeadersPanel::rowLayout(away, scorer("Al", false), false);
    EXPECT_EQ(awayRow.headshot.left(), away.left());
    EXPECT_NEAR(awayRow.text.left(), awayRow.headshot.right() + 6, 0.01);
    EXPECT_TRUE(awayRow.alignment & Qt::AlignLeft);

    // Home: spacer, headshot, then the text aligned trailing at the column's outer edge.
    const auto homeRow = LeadersPanel::rowLayout(home, scorer("Al", true), true);
    EXPECT_NEAR(homeRow.text.right(), home.right(), 0.01);
    EXPECT_NEAR(homeRow.headshot.right() + 6, homeRow.text.left(), 0.01);
    EXPECT_GT(homeRow.headshot.left(), home.left() + 40) << "a short name leaves the space on the inside";
    EXPECT_TRUE(homeRow.alignment & Qt::AlignRight);

    // A long name takes the column, the headshot staying inside it.
    const auto longRow =
        LeadersPanel::rowLayout(home, scorer("Bartholomew Fitzgerald-Montgomery", true), true);
    EXPECT_NEAR(longRow.headshot.left(), home.left(), 0.01);
    EXPECT_NEAR(longRow.text.right(), home.right(), 0.01);
}
