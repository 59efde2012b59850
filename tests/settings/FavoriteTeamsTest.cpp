#include "RecordedScoreboards.h"
#include "SettingsFixture.h"
#include "TestGames.h"

#include "settings/FavoriteTeamRow.h"
#include "settings/FavoriteTeams.h"
#include "settings/FavoriteTeamsView.h"
#include "settings/SettingsController.h"

#include <QLabel>
#include <QScrollArea>
#include <QTest>

namespace {

Team team(const QString& id, const QString& name, const QString& abbreviation = "XXX") {
    Team result = testTeam(id, "nba");
    result.name = name;
    result.abbreviation = abbreviation;
    return result;
}

QStringList names(const QList<Team>& teams) {
    QStringList result;
    for (const Team& each : teams)
        result.append(each.name);
    return result;
}

TEST(FavoriteTeamsTest, FavoritesFirstThenNamesCaseSensitive) {
    const QList<Team> all{team("1", "bravo"), team("2", "Zulu"), team("3", "Alpha"), team("4", "Mike")};
    EXPECT_EQ(names(favoriteteams::sortedTeams(all, {}, {"4"})),
              (QStringList{"Mike", "Alpha", "Zulu", "bravo"}));
}

TEST(FavoriteTeamsTest, WithoutATeamListTheGamesGiveEachTeamOnceLatestGameWinning) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Game early = testGame("early", "nba", now);
    Game late = testGame("late", "nba", now.addSecs(3600));
    early.homeTeam = team("boston", "Boston (old)");
    late.awayTeam = team("boston", "Boston");
    // Listed latest first: the start time decides, not the order of the games.
    const QList<Team> teams = favoriteteams::sortedTeams({}, {late, early}, {});
    EXPECT_EQ(teams.size(), 3);
    EXPECT_TRUE(names(teams).contains("Boston"));
    EXPECT_FALSE(names(teams).contains("Boston (old)"));
}

TEST(FavoriteTeamsTest, SearchMatchesNameOrAbbreviationIgnoringCaseAndKeepsSpaces) {
    const QList<Team> sorted{team("1", "Golden State Warriors", "GSW"), team("2", "Boston Celtics", "BOS")};
    EXPECT_EQ(names(favoriteteams::filteredTeams(sorted, "gsw")), QStringList{"Golden State Warriors"});
    EXPECT_EQ(names(favoriteteams::filteredTeams(sorted, "CELT")), QStringList{"Boston Celtics"});
    EXPECT_TRUE(favoriteteams::filteredTeams(sorted, "celtics ").isEmpty());
    EXPECT_EQ(favoriteteams::filteredTeams(sorted, "state ").size(), 1);
    EXPECT_EQ(favoriteteams::filteredTeams(sorted, "").size(), 2);
}

class FavoriteTeamsViewTest : public SettingsFixture {
protected:
    // Clicks the row of the shown team named `name`, as the user would.
    void click(FavoriteTeamsView& view, const QString& name) {
        const qsizetype index = names(view.shownTeams()).indexOf(name);
        const QList<FavoriteTeamRow*> rows = view.findChildren<FavoriteTeamRow*>();
        ASSERT_GE(index, 0) << qPrintable(name);
        ASSERT_EQ(rows.size(), view.shownTeams().size());
        QTest::mouseClick(rows[index], Qt::LeftButton);
        processPendingEvents();
    }
    // The starred teams at the top of the list.
    QStringList starred(const FavoriteTeamsView& view) const {
        QStringList result;
        for (const Team& shown : view.shownTeams()) {
            if (namesTeam(preferences.favoriteTeamIds(), shown))
                result.append(shown.name);
        }
        return result;
    }
    QSet<QString> storedFavorites() { return UserPreferences(settings).favoriteTeamIds(); }
    // The teams of the recorded NFL, NBA, MLB and NHL scoreboards, loaded as at launch.
    void loadRecordedTeams() {
        preferences.setEnabledLeagues({recorded::sharedIdLeagues.begin(), recorded::sharedIdLeagues.end()});
        QCoro::Task<> load = state.loadAllTeams();
        for (const QString& leagueId : recorded::sharedIdLeagues)
            api.answerTeams(leagueId, recorded::teamsOf(recorded::scoreboard(leagueId, clock.now())));
        ASSERT_TRUE(load.isReady());
    }

    SettingsController controller{services};
};

TEST_F(FavoriteTeamsViewTest, PlaceholderOnlyWithoutTeamsAndAClickedStarMovesATeamUpAndIsSavedAtOnce) {
    FavoriteTeamsView view(controller);
    view.show();
    EXPECT_TRUE(view.showsPlaceholder());

    preferences.setEnabledLeagues({"nba"});
    Game game = testGame("1", "nba", clock.now());
    game.homeTeam = team("a", "Alpha");
    game.awayTeam = team("z", "Zulu");
    state.setLeagueGames("nba", {game});
    EXPECT_FALSE(view.showsPlaceholder());
    EXPECT_EQ(names(view.shownTeams()), (QStringList{"Alpha", "Zulu"}));

    view.setSearchText("nothing like it");
    EXPECT_FALSE(view.showsPlaceholder()) << "a search that matches nothing shows an empty list";
    EXPECT_TRUE(view.shownTeams().isEmpty());
    view.setSearchText("");

    click(view, "Zulu");
    EXPECT_EQ(storedFavorites(), QSet<QString>{"nba:z"});
    EXPECT_EQ(names(view.shownTeams()), (QStringList{"Zulu", "Alpha"}));
    click(view, "Zulu");
    EXPECT_EQ(names(view.shownTeams()), (QStringList{"Alpha", "Zulu"}));
    EXPECT_TRUE(storedFavorites().isEmpty());
}

TEST_F(FavoriteTeamsViewTest, EveryRecordedTeamHasItsRowAndAStarMarksThatTeamAlone) {
    FavoriteTeamsView view(controller);
    view.show();
    loadRecordedTeams();
    EXPECT_EQ(view.shownTeams().size(), 22);
    for (const char* sharingId2 : {"Boston Celtics", "Buffalo Bills", "Boston Red Sox"})
        EXPECT_TRUE(names(view.shownTeams()).contains(sharingId2)) << sharingId2;

    click(view, "Boston Celtics");
    EXPECT_EQ(starred(view), QStringList{"Boston Celtics"});
    EXPECT_EQ(storedFavorites(), QSet<QString>{"nba:2"});
    click(view, "Boston Celtics");
    EXPECT_TRUE(starred(view).isEmpty());
}

TEST_F(FavoriteTeamsViewTest, APlainIdStoredEarlierKeepsItsStarsAndUnstarringOneKeepsTheOthers) {
    preferences.setFavoriteTeamIds({"2", "nfl:9"});
    FavoriteTeamsView view(controller);
    view.show();
    loadRecordedTeams();
    EXPECT_EQ(starred(view),
              (QStringList{"Boston Celtics", "Boston Red Sox", "Buffalo Bills", "Green Bay Packers"}));

    click(view, "Buffalo Bills");
    EXPECT_EQ(starred(view), (QStringList{"Boston Celtics", "Boston Red Sox", "Green Bay Packers"}));
    EXPECT_EQ(storedFavorites(), (QSet<QString>{"nba:2", "mlb:2", "nfl:9"}));
}

} // namespace

TEST_F(FavoriteTeamsViewTest, AFourThousandCharacterNameKeepsTheListInsideTheWindowAndEveryStarInView) {
    preferences.setEnabledLeagues({"nba", "nhl"});
    Game basketball = testGame("1", "nba", clock.now());
    basketball.homeTeam = team("long", "Harbor\nHawks " + QString(4000, u'W'));
    basketball.awayTeam = team("z", "Zulu");
    const Game hockey = testGame("2", "nhl", clock.now());
    state.setLeagueGames("nba", {basketball});
    state.setLeagueGames("nhl", {hockey});
    preferences.setFavoriteTeamIds({"nba:long", "nba:z", "nhl:home-2", "nhl:away-2"});
    FavoriteTeamsView view(controller);
    view.resize(550, 400);
    view.show();
    processPendingEvents();

    const auto* scroll = view.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(scroll->widget()->width(), view.width()) << "the list grew wider than its window";
    const QList<FavoriteTeamRow*> rows = view.findChildren<FavoriteTeamRow*>();
    ASSERT_EQ(rows.size(), 4);
    const QRect viewport = scroll->viewport()->rect();
    for (const FavoriteTeamRow* row : rows) {
        EXPECT_EQ(row->height(), rows.last()->height()) << "a line break made a row taller";
        int stars = 0;
        for (const QLabel* label : row->findChildren<QLabel*>()) {
            if (label->pixmap().isNull())
                continue;
            ++stars;
            const QRect star(label->mapTo(scroll->viewport(), QPoint(0, 0)), label->size());
            EXPECT_TRUE(viewport.contains(star)) << star.x() << " in a view " << viewport.width() << " wide";
        }
        EXPECT_EQ(stars, 1);
    }
}
