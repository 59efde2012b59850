#include "RecordedScoreboards.h"
#include "SettingsFixture.h"
#include "TestGames.h"

#include "platform/text/OneLineLabel.h"
#include "settings/FavoriteTeamRow.h"
#include "settings/FavoriteTeams.h"
#include "settings/FavoriteTeamsView.h"
#include "settings/SettingsController.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
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

// The row the user sees at `y` of the list's visible part, or nothing.
FavoriteTeamRow* rowAt(const QScrollArea& scroll, int y) {
    QWidget* hit = scroll.viewport()->childAt(scroll.viewport()->width() / 2, y);
    while (hit && !qobject_cast<FavoriteTeamRow*>(hit))
        hit = hit->parentWidget();
    return qobject_cast<FavoriteTeamRow*>(hit);
}

// The name a row shows, and whether it shows a star.
QString nameOn(const FavoriteTeamRow* row) {
    const QList<OneLineLabel*> labels = row ? row->findChildren<OneLineLabel*>() : QList<OneLineLabel*>{};
    return labels.isEmpty() ? QString() : labels.first()->text();
}
bool starOn(const FavoriteTeamRow* row) {
    for (const QLabel* label : row->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            return true;
    }
    return false;
}

// The names shown from the top of the list's visible part to its bottom, one per row.
QStringList namesInView(const QScrollArea& scroll) {
    QStringList result;
    for (int y = 0; y < scroll.viewport()->height();) {
        const FavoriteTeamRow* row = rowAt(scroll, y);
        if (!row)
            break;
        result.append(nameOn(row));
        y = row->mapTo(scroll.viewport(), QPoint(0, row->height())).y();
    }
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
    // Clicks the row of the team named `name`, as the user would: scrolling the list down from its top a
    // page at a time until the row is in view.
    void click(FavoriteTeamsView& view, const QString& name) {
        auto* scroll = view.findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        QScrollBar* bar = scroll->verticalScrollBar();
        for (int value = 0;; value += bar->pageStep()) {
            bar->setValue(value);
            processPendingEvents();
            for (int y = 0; y < scroll->viewport()->height(); ++y) {
                if (FavoriteTeamRow* row = rowAt(*scroll, y); row && nameOn(row) == name) {
                    QTest::mouseClick(row, Qt::LeftButton);
                    processPendingEvents();
                    return;
                }
            }
            ASSERT_LT(value, bar->maximum()) << "no row shows " << qPrintable(name);
        }
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

// Six followed leagues of 400 teams each, as college leagues list them: "Club 0000" to "Club 2399" in name
// order, no favourite yet.
TEST_F(FavoriteTeamsViewTest, ThousandsOfTeamsBuildOnlyTheRowsInViewWhichShowTheirTeamsAndStarThem) {
    const QStringList leagues{"nfl", "nba", "mlb", "nhl", "ncaaf", "ncaam"}; // in catalogue order, as loaded
    preferences.setEnabledLeagues({leagues.begin(), leagues.end()});
    QCoro::Task<> load = state.loadAllTeams();
    for (int league = 0; league < leagues.size(); ++league) {
        QList<Team> teams;
        for (int index = 0; index < 400; ++index) {
            const int number = league * 400 + index;
            teams.append(
                team(QString::number(number), QStringLiteral("Club %1").arg(number, 4, 10, QChar(u'0'))));
            teams.last().league = testLeague(leagues[league]);
        }
        api.answerTeams(leagues[league], teams);
    }
    ASSERT_TRUE(load.isReady());

    FavoriteTeamsView view(controller);
    view.resize(550, 400);
    view.show();
    processPendingEvents();
    auto* scroll = view.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    ASSERT_EQ(view.shownTeams().size(), 2400);
    const auto expectRowsInViewOnly = [&] {
        const qsizetype inView = namesInView(*scroll).size();
        EXPECT_GT(inView, 5);
        EXPECT_LE(view.findChildren<FavoriteTeamRow*>().size(), inView + 2) << "rows out of view were built";
    };
    const auto expectConsecutiveFrom = [&](const QStringList& shown, int first) {
        ASSERT_FALSE(shown.isEmpty());
        for (int offset = 0; offset < shown.size(); ++offset)
            EXPECT_EQ(shown[offset], QStringLiteral("Club %1").arg(first + offset, 4, 10, QChar(u'0')));
    };
    expectConsecutiveFrom(namesInView(*scroll), 0);
    expectRowsInViewOnly();

    // Halfway down, then to the end: the teams of those places, one after another.
    QScrollBar* bar = scroll->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    processPendingEvents();
    QStringList shown = namesInView(*scroll);
    ASSERT_FALSE(shown.isEmpty());
    const int middle = shown.first().mid(5).toInt();
    EXPECT_GT(middle, 1000);
    EXPECT_LT(middle, 1400);
    expectConsecutiveFrom(shown, middle);
    expectRowsInViewOnly();

    bar->setValue(bar->maximum());
    processPendingEvents();
    shown = namesInView(*scroll);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.last(), "Club 2399");
    expectConsecutiveFrom(shown, 2400 - static_cast<int>(shown.size()));
    expectRowsInViewOnly();

    // A click on the last team stars it, saves it and moves it to the top of the list.
    FavoriteTeamRow* last = rowAt(*scroll, scroll->viewport()->height() - 1);
    ASSERT_EQ(nameOn(last), "Club 2399");
    QTest::mouseClick(last, Qt::LeftButton);
    processPendingEvents();
    EXPECT_EQ(storedFavorites(), QSet<QString>{"ncaam:2399"});
    bar->setValue(0);
    processPendingEvents();
    const FavoriteTeamRow* top = rowAt(*scroll, 0);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(nameOn(top), "Club 2399");
    EXPECT_TRUE(starOn(top));
    EXPECT_EQ(namesInView(*scroll).mid(1, 2), (QStringList{"Club 0000", "Club 0001"}));
    expectRowsInViewOnly();
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
