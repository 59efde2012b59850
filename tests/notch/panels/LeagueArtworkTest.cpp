#include "notch/panels/LeagueArtwork.h"

#include "model/League.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(LeagueArtworkTest, EveryLeagueWithLocalArtworkHasAPictureAndOthersNone) {
    int withArtwork = 0;
    for (const League& league : League::allLeagues()) {
        const std::optional<QString> name = league.localLogoAssetName();
        if (!name)
            continue;
        ++withArtwork;
        ASSERT_TRUE(hasLeagueArtwork(*name)) << name->toStdString();
        const QImage image = leagueArtworkPixmap(*name, 40, 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(80, 80));
        EXPECT_GT(qAlpha(image.pixel(40, 40)), 200) << name->toStdString();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name->toStdString();
    }
    EXPECT_EQ(withArtwork, 3);
    EXPECT_FALSE(hasLeagueArtwork("NFLLogo"));
    EXPECT_FALSE(hasLeagueArtwork("../fonts/MaterialIcons-Regular"));
    EXPECT_TRUE(leagueArtworkPixmap("NFLLogo", 40).isNull());
}
