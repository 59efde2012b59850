#include "SettingsFixture.h"
#include "TestGames.h"

#include "settings/LeagueSelection.h"

namespace {

using Kind = FakeScoresService::Kind;

class LeagueSelectionTest : public SettingsFixture {
protected:
    const QSet<QString> firstSix{"nfl", "nba", "mlb", "nhl", "mls", "epl"};
    League league(const QString& id) const { return *League::withId(id); }
    QSet<QString> requestedLeagues(Kind kind) const {
        QSet<QString> ids;
        for (const FakeScoresService::Request& request : api.requests())
            if (request.kind == kind)
                ids.insert(request.league.id);
        return ids;
    }

    LeagueSelection selection{preferences, state};
};

TEST_F(LeagueSelectionTest,
       AtTheLimitTheHighestCatalogueLeagueMakesRoomItsGamesGoingBeforeTheNewOneIsFetched) {
    preferences.setEnabledLeagues(firstSix);
    state.setLeagueGames("nfl", {testGame("1", "nfl", clock.now())});
    std::optional<bool> evictedGamesLeftAtFetch;
    api.gamesResponder = [&](const FakeScoresService::Request& request) {
        if (request.league.id == "wta")
            evictedGamesLeftAtFetch = state.games().contains("nfl");
        return std::optional<FakeScoresService::GamesResult>();
    };

    selection.setEnabled(league("wta"), true);
    EXPECT_EQ(preferences.enabledLeagues(), (QSet<QString>{"nba", "mlb", "nhl", "mls", "epl", "wta"}));
    EXPECT_EQ(settings.syncCount, 1) << "saved once";
    EXPECT_EQ(selection.counterText(), "6/6");
    EXPECT_TRUE(selection.isAtLimit());
    EXPECT_TRUE(api.requests().empty()) << "the follow-ups run later";

    processPendingEvents();
    EXPECT_FALSE(state.games().contains("nfl"));
    ASSERT_TRUE(evictedGamesLeftAtFetch.has_value()) << "the new league is fetched";
    EXPECT_FALSE(*evictedGamesLeftAtFetch);
    EXPECT_EQ(requestedLeagues(Kind::scoreboard), QSet<QString>{"wta"});
}

TEST_F(LeagueSelectionTest, SwitchingOffBelowTheLimitUndimsEveryRow) {
    preferences.setEnabledLeagues(firstSix);
    EXPECT_TRUE(selection.isDimmed(league("wta")));
    EXPECT_FALSE(selection.isDimmed(league("nfl")));
    state.setLeagueGames("epl", {testGame("1", "epl", clock.now())});

    selection.setEnabled(league("epl"), false);
    EXPECT_EQ(selection.counterText(), "5/6");
    EXPECT_FALSE(selection.isAtLimit());
    for (const League& each : League::allLeagues())
        EXPECT_FALSE(selection.isDimmed(each)) << each.id.toStdString();
    EXPECT_TRUE(hasSavedDocument());
    processPendingEvents();
    EXPECT_FALSE(state.games().contains("epl"));
}

TEST_F(LeagueSelectionTest, DisableAllThenEnableFirstSix) {
    state.setLeagueGames("nba", {testGame("1", "nba", clock.now())});
    selection.disableAll();
    EXPECT_TRUE(preferences.enabledLeagues().isEmpty());
    processPendingEvents();
    EXPECT_TRUE(state.games().isEmpty());

    api.clearRequests();
    selection.enableFirstLeagues();
    EXPECT_EQ(preferences.enabledLeagues(), firstSix);
    EXPECT_EQ(UserPreferences(settings).enabledLeagues(), firstSix);
    processPendingEvents();
    EXPECT_EQ(requestedLeagues(Kind::scoreboard), firstSix);
}

TEST_F(LeagueSelectionTest, OverTheLimitOneMoreEvictsOnlyOneAndUnknownIdsAreNeverEvicted) {
    preferences.setEnabledLeagues(firstSix + QSet<QString>{"f1"});
    EXPECT_EQ(selection.counterText(), "7/6");
    EXPECT_TRUE(selection.isAtLimit());
    selection.setEnabled(league("wta"), true);
    EXPECT_EQ(preferences.enabledLeagues(), (QSet<QString>{"nba", "mlb", "nhl", "mls", "epl", "f1", "wta"}));

    const QSet<QString> unknown{"a", "b", "c", "d", "e", "f"};
    preferences.setEnabledLeagues(unknown);
    selection.setEnabled(league("nba"), true);
    EXPECT_EQ(preferences.enabledLeagues(), unknown + QSet<QString>{"nba"});
    processPendingEvents();
}

} // namespace
