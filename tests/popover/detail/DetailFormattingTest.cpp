// The detail panel's texts and choices: ordinals, decimals, situation lines, plays, sections, badges.
#include "TestGames.h"

#include "popover/common/GameText.h"
#include "popover/common/StatusBadgeContent.h"
#include "popover/detail/DetailPanelContent.h"
#include "popover/detail/DetailSections.h"
#include "popover/detail/PlayPresentation.h"
#include "popover/detail/SituationLine.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now = QDateTime(QDate(2026, 3, 14), QTime(18, 0), Qt::UTC);

Game gameOf(const QString& leagueId, const GameSituation& situation) {
    Game game = withStatus(testGame("1", leagueId, now), GameStatus::inProgress);
    game.situations = situation;
    return game;
}

QStringList textsOf(const SituationLine& line) {
    QStringList texts;
    for (const SituationLine::Text& text : line.texts)
        texts.append(text.text);
    return texts;
}

TEST(GameTextTest, OrdinalsDecimalsAndSpreads) {
    const std::pair<qint64, const char*> ordinals[] = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},     {11, "11th"}, {12, "12th"},
        {13, "13th"}, {21, "21st"}, {22, "22nd"}, {111, "111th"}, {-1, "-1th"}};
    for (const auto& [number, text] : ordinals)
        EXPECT_EQ(gametext::ordinal(number), text);

    EXPECT_EQ(gametext::plainDecimal(3), "3.0");
    EXPECT_EQ(gametext::plainDecimal(3.5), "3.5");
    EXPECT_EQ(gametext::plainDecimal(0.1), "0.1");

    EXPECT_EQ(gametext::spreadText(3.5, std::nullopt), " +3.5");
    EXPECT_EQ(gametext::spreadText(-2.5, QString("BOS")), "BOS -2.5");
    EXPECT_EQ(gametext::spreadText(0, QString("BOS")), "BOS 0.0");
}

TEST(GameTextTest, RelativeTimeTakesTheLargestWholeUnit) {
    EXPECT_EQ(gametext::relativeText(now, now), "0 sec. ago");
    EXPECT_EQ(gametext::relativeText(now.addSecs(-179), now), "2 min. ago");
    EXPECT_EQ(gametext::relativeText(now.addSecs(-3600), now), "1 hr. ago");
    EXPECT_EQ(gametext::relativeText(now.addDays(-1), now), "1 day ago");
    EXPECT_EQ(gametext::relativeText(now.addDays(-3), now), "3 days ago");
    EXPECT_EQ(gametext::relativeText(now.addSecs(300), now), "in 5 min.");

    // Start times never show seconds, whatever the locale's short form holds.
    EXPECT_EQ(gametext::timeText(now, QLocale::c()).count(u':'), 1);
}

TEST(GameTextTest, TheDateTakesTheLocalesAbbreviatedForm) {
    const QDateTime evening(QDate(2026, 3, 14), QTime(19, 30), Qt::LocalTime);
    EXPECT_EQ(gametext::dateTimeText(evening, QLocale(QLocale::German, QLocale::Germany)),
              "14. März 2026, 19:30");
    EXPECT_EQ(gametext::dateTimeText(evening, QLocale(QLocale::French, QLocale::France)),
              "14 mars 2026, 19:30");
    EXPECT_TRUE(gametext::dateTimeText(evening, QLocale(QLocale::English, QLocale::UnitedStates))
                    .startsWith("Mar 14, 2026, 7:30"));
}

TEST(SituationLineTest, EachSportWritesItsOwnLine) {
    GameSituation football;
    football.down = 3;
    football.distance = 7;
    football.yardLine = "BUF 35";
    EXPECT_EQ(textsOf(SituationLine::of(gameOf("nfl", football))), (QStringList{"3rd & 7", "BUF 35"}));
    // The yard line is the service's text and gives way to the down and distance.
    const QList<SituationLine::Text> footballTexts = SituationLine::of(gameOf("nfl", football)).texts;
    EXPECT_FALSE(footballTexts[0].fromReply);
    EXPECT_TRUE(footballTexts[1].fromReply);
    football.distance.reset();
    EXPECT_EQ(textsOf(SituationLine::of(gameOf("nfl", football))), QStringList{"BUF 35"});

    GameSituation baseball;
    baseball.balls = 2;
    baseball.outs = 1;
    baseball.runnersOnBase = QList<qint64>{1, 3, 7};
    SituationLine line = SituationLine::of(gameOf("mlb", baseball));
    EXPECT_EQ(textsOf(line), QStringList{"1 Out"});
    EXPECT_TRUE(line.showsBaseDiamond);
    EXPECT_EQ(line.basesOccupied, (std::array<bool, 3>{true, false, true}));
    baseball.strikes = 1;
    baseball.outs = 2;
    baseball.runnersOnBase.reset();
    line = SituationLine::of(gameOf("mlb", baseball));
    EXPECT_EQ(textsOf(line), (QStringList{"2-1", "2 Outs"}));
    EXPECT_EQ(line.basesOccupied, (std::array<bool, 3>{}));
    baseball = {};
    EXPECT_TRUE(SituationLine::of(gameOf("mlb", baseball)).showsBaseDiamond);

    GameSituation hockey;
    EXPECT_TRUE(SituationLine::of(gameOf("nhl", hockey)).texts.isEmpty());
    hockey.powerPlay = "PP 1:12";
    line = SituationLine::of(gameOf("nhl", hockey));
    ASSERT_EQ(line.texts.size(), 1);
    EXPECT_TRUE(line.texts[0].highlighted);
    EXPECT_TRUE(line.texts[0].fromReply) << "the power play gives way to the rest";

    // Other sports write nothing, whatever their situation holds.
    for (const QString leagueId : {"nba", "epl"}) {
        line = SituationLine::of(gameOf(leagueId, football));
        EXPECT_TRUE(line.texts.isEmpty());
        EXPECT_FALSE(line.showsBaseDiamond);
    }
}

TEST(PlayPresentationTest, SymbolsAndMetaLine) {
    // Events without a symbol of their own share the plain dot.
    EXPECT_EQ(PlayPresentation::symbolFor(PlayEventType::corner), "circle.fill");
    EXPECT_EQ(PlayPresentation::symbolFor(PlayEventType::other), "circle.fill");

    PlayByPlayEvent play;
    play.period = "Q2";
    play.scoreHome = 10;
    PlayPresentation shown = PlayPresentation::of(play);
    EXPECT_EQ(shown.periodText, "Q2");
    EXPECT_FALSE(shown.team);
    EXPECT_FALSE(shown.score); // one score alone is not shown
    play.clock = "4:12";
    play.team = "BOS";
    play.scoreAway = 7;
    shown = PlayPresentation::of(play);
    EXPECT_EQ(shown.periodText, "Q2 4:12");
    EXPECT_EQ(shown.team, "BOS");
    EXPECT_EQ(shown.score, "7-10");
}

TEST(DetailSectionsTest, LeadersPlaysAndStatsAreCutAsTheTabsShowThem) {
    auto leaders = [](const QString& side, int count) {
        QList<LeaderCategory> list;
        for (int n = 1; n <= count; ++n)
            list.append({side + QString::number(n), {}, {}});
        return list;
    };
    auto categories = [](const QList<LeaderCategory>& rows) {
        QStringList names;
        for (const LeaderCategory& row : rows)
            names.append(row.category);
        return names;
    };
    EXPECT_EQ(categories(detailsections::leaderRows({leaders("h", 3), leaders("a", 3)})),
              (QStringList{"h1", "h2", "h3", "a1"}));
    EXPECT_EQ(categories(detailsections::leaderRows({leaders("h", 4), leaders("a", 3)})),
              (QStringList{"h1", "h2", "h3", "h4"}));
    EXPECT_TRUE(detailsections::leaderRows({}).isEmpty());

    EXPECT_EQ(detailsections::recentPlays(QList<PlayByPlayEvent>(2)).size(), 2);
    QList<PlayByPlayEvent> nine(9);
    nine[0].id = "newest";
    EXPECT_EQ(detailsections::recentPlays(nine).size(), 5);
    EXPECT_EQ(detailsections::recentPlays(nine).first().id, "newest");

    const QMap<QString, QString> five{{"REB", "9"}, {"AST", "7"}, {"PTS", "31"}, {"BLK", "2"}, {"STL", "1"}};
    const QList<detailsections::Stat> shown = detailsections::leadingStats(five);
    EXPECT_EQ(shown, (QList<detailsections::Stat>{{"AST", "7"}, {"BLK", "2"}, {"PTS", "31"}}));
    EXPECT_TRUE(detailsections::leadingStats({}).isEmpty());
    EXPECT_FALSE(detailsections::firstStat({}));
}

TEST(DetailSectionsTest, GameInfoFillsGapsWithTbdAndAddsOddsOnlyWhenPresent) {
    Game game = testGame("1", "nfl", now);
    auto labels = [](const QList<detailsections::InfoRow>& rows) {
        QStringList list;
        for (const auto& row : rows)
            list.append(row.label + '=' + (row.label == "Date" ? "…" : row.value));
        return list;
    };
    EXPECT_EQ(labels(detailsections::gameInfoRows(game)),
              (QStringList{"Venue=TBD", "Broadcast=TBD", "Date=…"}));
    game.venue = "Lakeside Field";
    game.odds = GameOdds{};
    game.odds->overUnder = 44;
    EXPECT_EQ(labels(detailsections::gameInfoRows(game)),
              (QStringList{"Venue=Lakeside Field", "Broadcast=TBD", "Date=…", "O/U=44.0"}));
    game.odds->spread = 3.5;
    EXPECT_EQ(detailsections::gameInfoRows(game).at(3).value, " +3.5");
}

TEST(StatusBadgeContentTest, LiveGamesShowTheDotWithWhatTheyHaveOthersAWord) {
    Game game = withStatus(testGame("1", "nba", now), GameStatus::halftime);
    StatusBadgeContent badge = StatusBadgeContent::of(game);
    EXPECT_TRUE(badge.isLive);
    EXPECT_TRUE(badge.liveTexts.isEmpty());
    game.period = "Q2";
    EXPECT_EQ(StatusBadgeContent::of(game).liveTexts, QStringList{"Q2"});
    game.clock = "0:00";
    EXPECT_EQ(StatusBadgeContent::of(game).liveTexts, (QStringList{"Q2", "0:00"}));

    const std::tuple<GameStatus, const char*, Tint> words[] = {
        {GameStatus::postponed, "Postponed", Tint::orange},
        {GameStatus::final_, "Final", Tint::secondary},
        {GameStatus::scheduled, "Scheduled", Tint::blue},
    };
    for (const auto& [status, text, tint] : words) {
        badge = StatusBadgeContent::of(withStatus(game, status));
        EXPECT_FALSE(badge.isLive);
        EXPECT_EQ(badge.text, text);
        EXPECT_EQ(badge.tint, tint);
    }
}

TEST(DetailPanelContentTest, TheSpinnerOnlyUntilTheGameIsKnownAndErrorsOverEarlierData) {
    EXPECT_EQ(detailBodyFor(true, false, false), DetailBody::loading);
    EXPECT_EQ(detailBodyFor(true, true, false), DetailBody::content);
    EXPECT_EQ(detailBodyFor(false, true, true), DetailBody::error);
    EXPECT_EQ(detailBodyFor(false, false, false), DetailBody::content);
}

} // namespace
