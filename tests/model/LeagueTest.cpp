#include "model/League.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LeagueTest, CatalogueStartsWithTheDefaultSixAndHoldsEighteen) {
    const QList<League>& leagues = League::allLeagues();
    ASSERT_EQ(leagues.size(), 18);
    QStringList firstSix;
    for (qsizetype index = 0; index < 6; ++index)
        firstSix.append(leagues.at(index).id);
    EXPECT_EQ(firstSix, (QStringList{u"nfl"_s, u"nba"_s, u"mlb"_s, u"nhl"_s, u"mls"_s, u"epl"_s}));
    EXPECT_EQ(leagues.last().id, u"wta"_s);
}

TEST(LeagueTest, LogoUrlUsesTheLogoKeyOnTheImageHost) {
    const std::optional<QUrl> mls = League::withId(u"mls"_s)->leagueLogoURL();
    ASSERT_TRUE(mls);
    EXPECT_EQ(mls->path(), u"/i/teamlogos/leagues/500-dark/usa.1.png"_s);
    EXPECT_TRUE(mls->toString().startsWith(u"http"_s));
    EXPECT_EQ(League::withId(u"ncaam"_s)->leagueLogoURL()->path(),
              u"/i/teamlogos/leagues/500-dark/mens-college-basketball.png"_s);
}

TEST(LeagueTest, LeagueOutsideTheCatalogueHasNoLogo) {
    League stranger = *League::withId(u"f1"_s);
    stranger.id = u"F1"_s;
    EXPECT_EQ(stranger.leagueLogoURL(), std::nullopt);
    EXPECT_EQ(stranger.localLogoAssetName(), std::nullopt);
    EXPECT_EQ(League::withId(u"F1"_s), std::nullopt);
    EXPECT_EQ(League::withId(u"f1"_s)->localLogoAssetName(), u"F1Logo"_s);
}

TEST(LeagueTest, SportRawValuesMatchExactly) {
    EXPECT_EQ(fromRawValue<Sport>(u"mma"), Sport::mma);
    EXPECT_EQ(fromRawValue<Sport>(u"Racing"), std::nullopt);
    EXPECT_EQ(fromRawValue<Sport>(u""), std::nullopt);
    EXPECT_EQ(allSports().size(), 10);
}

TEST(LeagueTest, EqualityAndJsonCoverEveryField) {
    const League nfl = *League::withId(u"nfl"_s);
    League reordered = nfl;
    reordered.sortOrder = 4;
    EXPECT_NE(reordered, nfl);
    EXPECT_NE(qHash(reordered), qHash(nfl));

    QJsonObject json = nfl.toJson();
    EXPECT_FALSE(json.contains("logoURL"_L1));
    EXPECT_EQ(json.value("sport"_L1).toString(), u"football"_s);
    EXPECT_EQ(League::fromJson(json), nfl);
    json.insert("sport"_L1, u"Football"_s);
    EXPECT_EQ(League::fromJson(json), std::nullopt);
}
