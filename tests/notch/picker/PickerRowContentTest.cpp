#include "notch/picker/PickerRowContent.h"

#include "TestGames.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime);
using Form = PickerRowContent::Form;
using Status = PickerRowContent::RaceLine::Status;

Game teamGame(GameStatus status) {
    Game game = withStatus(testGame("g", "nba", now), status, 99, 102, QStringLiteral("Q4"));
    game.clock = QStringLiteral("2:31");
    game.broadcast = QStringLiteral("TNT");
    return game;
}

Game race(GameStatus status, bool withStandings) {
    Game game = withStatus(testGame("r", "f1", now), status);
    game.clock = QStringLiteral("Lap 31/57");
    if (withStandings)
        game.raceStandings =
            QList<RaceDriver>{{"d1", 1, "Max Driver", "DRI", QUrl("https://img/nl.png"), false},
                              {"d2", 2, "Second Person", "SEC", std::nullopt, false}};
    return game;
}

// Start times in the words of one locale, whatever the machine's.
struct EnglishTimes {
    EnglishTimes() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~EnglishTimes() { QLocale::setDefault(previous); }
    const QLocale previous;
};

} // namespace

TEST(PickerRowContentTest, TeamCentreByStatusAndForm) {
    const auto live = PickerRowContent::make(teamGame(GameStatus::inProgress), Form::picker);
    EXPECT_EQ(live.layout, PickerRowContent::Layout::team);
    EXPECT_TRUE(live.centre.showsScore);
    EXPECT_EQ(live.centre.awayScore, "102"); // the away score stands on the left
    EXPECT_EQ(live.centre.homeScore, "99");
    EXPECT_TRUE(live.centre.showsLiveLine);
    EXPECT_EQ(live.centre.period, "Q4");
    EXPECT_EQ(live.centre.clock, "2:31");
    EXPECT_FALSE(live.centre.showsFinal);

    // The pinned row never shows the clock, and is narrower.
    const auto pinnedLive = PickerRowContent::make(teamGame(GameStatus::inProgress), Form::pinned);
    EXPECT_EQ(pinnedLive.centre.period, "Q4");
    EXPECT_FALSE(pinnedLive.centre.clock);
    EXPECT_LT(pinnedLive.teamBlockWidth, live.teamBlockWidth);

    const auto finished = PickerRowContent::make(teamGame(GameStatus::final_), Form::picker);
    EXPECT_TRUE(finished.centre.showsScore);
    EXPECT_TRUE(finished.centre.showsFinal);
    EXPECT_FALSE(finished.centre.showsLiveLine);
}

TEST(PickerRowContentTest, NotStartedGamesShowStartTimeAndOnlyThePickerRowShowsTheBroadcast) {
    const EnglishTimes english;
    const Game scheduled = teamGame(GameStatus::scheduled);
    const auto row = PickerRowContent::make(scheduled, Form::picker);
    EXPECT_FALSE(row.centre.showsScore);
    EXPECT_EQ(row.centre.startTime, "8:00 PM");
    EXPECT_EQ(row.centre.broadcast, "TNT");
    // Postponed, cancelled and delayed games look exactly like scheduled ones.
    for (GameStatus status : {GameStatus::postponed, GameStatus::cancelled, GameStatus::delayed}) {
        const auto other = PickerRowContent::make(teamGame(status), Form::picker);
        EXPECT_FALSE(other.centre.showsScore);
        EXPECT_EQ(other.centre.broadcast, "TNT");
    }
    EXPECT_FALSE(PickerRowContent::make(scheduled, Form::pinned).centre.broadcast);
}

TEST(PickerRowContentTest, RacesByStatusStandingsAndForm) {
    const EnglishTimes english;
    const auto live = PickerRowContent::make(race(GameStatus::inProgress, true), Form::picker);
    EXPECT_EQ(live.layout, PickerRowContent::Layout::racing);
    EXPECT_EQ(live.race.status, Status::live);
    EXPECT_EQ(live.race.statusText, "Lap 31/57");
    ASSERT_TRUE(live.race.leader);
    EXPECT_EQ(live.race.leader->name, "Max Driver");
    EXPECT_EQ(live.race.leader->flagURL, QUrl("https://img/nl.png"));
    // The pinned row's leader has no flag.
    EXPECT_FALSE(
        PickerRowContent::make(race(GameStatus::inProgress, true), Form::pinned).race.leader->flagURL);

    // A live race without standings: the picker row shows only the marker, "LIVE" without a clock...
    Game bare = race(GameStatus::inProgress, false);
    bare.clock.reset();
    const auto pickerBare = PickerRowContent::make(bare, Form::picker);
    EXPECT_EQ(pickerBare.race.status, Status::live);
    EXPECT_EQ(pickerBare.race.statusText, "LIVE");
    EXPECT_FALSE(pickerBare.race.leader);
    EXPECT_FALSE(pickerBare.race.venue);
    // ...while the pinned row falls back to the venue ("Race" when absent) and the start time.
    const auto pinnedBare = PickerRowContent::make(bare, Form::pinned);
    EXPECT_EQ(pinnedBare.race.status, Status::startTime);
    EXPECT_EQ(pinnedBare.race.venue, "Race");
    EXPECT_EQ(pinnedBare.race.statusText, "8:00 PM");

    const auto finalNoStandings = PickerRowContent::make(race(GameStatus::final_, false), Form::pinned);
    EXPECT_EQ(finalNoStandings.race.status, Status::startTime);
    const auto finalPicker = PickerRowContent::make(race(GameStatus::final_, false), Form::picker);
    EXPECT_EQ(finalPicker.race.status, Status::final_);
    EXPECT_EQ(finalPicker.race.statusText, "Final");

    Game scheduled = race(GameStatus::scheduled, true);
    scheduled.venue = QStringLiteral("Monza");
    const auto upcoming = PickerRowContent::make(scheduled, Form::picker);
    EXPECT_EQ(upcoming.race.venue, "Monza");
    EXPECT_FALSE(upcoming.race.leader);
}
