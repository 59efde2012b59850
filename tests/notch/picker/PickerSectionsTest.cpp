#include "notch/picker/PickerSections.h"

#include "TestGames.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(18, 0), Qt::UTC);

Game gameAt(const QString& id, const QString& league, GameStatus status, int minutesFromNow = 60) {
    Game game = withStatus(testGame(id, league, now), status);
    game.startTime = now.addSecs(minutesFromNow * 60);
    return game;
}

QList<PickerSection::Kind> kindsOf(const QList<PickerSection>& sections) {
    QList<PickerSection::Kind> kinds;
    for (const PickerSection& section : sections)
        kinds.append(section.kind);
    return kinds;
}

} // namespace

TEST(PickerSectionsTest, SectionsComePinnedThenLiveThenLeaguesInCatalogueOrder) {
    const Game liveNba = gameAt("n1", "nba", GameStatus::inProgress, -30);
    const Game laterNfl = gameAt("f1", "nfl", GameStatus::scheduled);
    // Enabled leagues are taken in catalogue order (nfl before nba), whatever the set holds.
    GamesByLeague games{
        {"nba", {liveNba}}, {"nfl", {laterNfl}}, {"mlb", {gameAt("m1", "mlb", GameStatus::inProgress)}}};

    const auto sections = PickerSections::build({liveNba}, games, {"nba", "nfl"}, now);

    using Kind = PickerSection::Kind;
    ASSERT_EQ(kindsOf(sections), (QList<Kind>{Kind::pinned, Kind::liveNow, Kind::league, Kind::league}));
    EXPECT_EQ(idsOf(sections[0].games), QStringList{"n1"});
    // The disabled league's live game is not listed anywhere.
    EXPECT_EQ(idsOf(sections[1].games), QStringList{"n1"});
    EXPECT_EQ(sections[1].badgeCount, 1);
    EXPECT_EQ(sections[2].league->id, "nfl");
    EXPECT_FALSE(sections[2].showsLiveDot);
    EXPECT_EQ(sections[3].league->id, "nba");
    EXPECT_TRUE(sections[3].showsLiveDot);
}

TEST(PickerSectionsTest, LeagueSectionsListRelevantGamesOrderedByStatusAndCountThem) {
    const Game finalOne = gameAt("final", "nhl", GameStatus::final_, -300);
    const Game late = gameAt("late", "nhl", GameStatus::scheduled, 300);
    const Game live = gameAt("live", "nhl", GameStatus::halftime, -60);
    const Game early = gameAt("early", "nhl", GameStatus::scheduled, 30);
    const Game tomorrow = gameAt("tomorrow", "nhl", GameStatus::scheduled, 60 * 30);
    GamesByLeague games{{"nhl", {late, live, early, tomorrow}}};

    const auto sections = PickerSections::build({}, games, {"nhl"}, now);
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(idsOf(sections[1].games), (QStringList{"live", "early", "late"}));
    EXPECT_EQ(sections[1].badgeCount, 3);

    // With nothing live or upcoming, a league keeps only its latest final, and its badge reads 1.
    games["nhl"] = {finalOne, gameAt("older", "nhl", GameStatus::final_, -600)};
    const auto finalsOnly = PickerSections::build({}, games, {"nhl"}, now);
    ASSERT_EQ(finalsOnly.size(), 1);
    EXPECT_EQ(idsOf(finalsOnly[0].games), QStringList{"final"});
    EXPECT_EQ(finalsOnly[0].badgeCount, 1);
    EXPECT_FALSE(finalsOnly[0].showsLiveDot);

    games["nhl"] = {};
    EXPECT_TRUE(PickerSections::build({}, games, {"nhl", "nfl"}, now).isEmpty()) << "no empty sections";
}
