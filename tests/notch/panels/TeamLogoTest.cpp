#include "notch/panels/TeamLogo.h"
#include "model/UserPreferences.h"
#include "notch/panels/TeamLogoView.h"

#include "ManualClock.h"

#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

Team teamWithLogo(const QUrl& url) {
    Team team;
    team.id = "bos";
    team.abbreviation = "BOS";
    team.primaryColor = "007A33";
    team.logoURL = url;
    return team;
}

} // namespace

TEST(TeamLogoTest, LooksFollowTheSettingTheAddressAndTheLoad) {
    ManualClock clock;
    ImageLoader loader(clock);
    const QUrl cached("https://logos.test/bos.png");
    QImage logo(8, 8, QImage::Format_ARGB32);
    logo.fill(Qt::yellow);
    loader.insert(cached, logo);

    EXPECT_EQ(teamLogoLook(teamWithLogo(cached), true, loader).phase, TeamLogoLook::Phase::Image);
    // Logos off, or no address: the initial at once, and nothing is requested.
    const QUrl other("http://127.0.0.1:9/other.png");
    EXPECT_EQ(teamLogoLook(teamWithLogo(other), false, loader).phase, TeamLogoLook::Phase::Initial);
    EXPECT_EQ(loader.state(other), ImageLoader::State::Idle);
    Team noLogo = teamWithLogo(other);
    noLogo.logoURL.reset();
    EXPECT_EQ(teamLogoLook(noLogo, true, loader).phase, TeamLogoLook::Phase::Initial);
    // Refused or failed: the initial.
    EXPECT_EQ(teamLogoLook(teamWithLogo(QUrl("file:///logo.png")), true, loader).phase,
              TeamLogoLook::Phase::Initial);
    EXPECT_EQ(teamLogoLook(teamWithLogo(other), true, loader).phase, TeamLogoLook::Phase::Loading);

    // The initial is a circle in the team colour; the image fills the square.
    QImage canvas(40, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        paintTeamLogo(painter, QRectF(0, 0, 40, 40), noLogo, {}, 0.0);
    }
    EXPECT_EQ(QColor(canvas.pixel(20, 4)), QColor(0x00, 0x7a, 0x33));
    EXPECT_EQ(qAlpha(canvas.pixel(1, 1)), 0);
    {
        QPainter painter(&canvas);
        paintTeamLogo(painter, QRectF(0, 0, 40, 40), noLogo, {TeamLogoLook::Phase::Image, logo}, 0.0);
    }
    EXPECT_EQ(QColor(canvas.pixel(1, 1)), QColor(Qt::yellow));
}

TEST(TeamLogoTest, TheInitialIsTheFirstLetterPastBreaksAndSpaces) {
    const auto initial = [](const QString& abbreviation) {
        Team team = teamWithLogo(QUrl());
        team.logoURL.reset();
        team.abbreviation = abbreviation;
        QImage canvas(40, 40, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        paintTeamLogo(painter, QRectF(0, 0, 40, 40), team, {}, 0.0);
        return canvas;
    };
    const QImage letter = initial("BOS");
    const QImage blank = initial("");
    ASSERT_TRUE(letter != blank);
    for (const QString abbreviation : {"\nBOS", "\r\n BOS", "\u2028\u200bBOS", "\tB"})
        EXPECT_TRUE(initial(abbreviation) == letter) << qPrintable(abbreviation.toUtf8().toHex());
    EXPECT_TRUE(initial("\n \u2029") == blank) << "nothing to show but the circle";
}

TEST(TeamLogoTest, ViewSpinsOnlyWhileItsLogoLoads) {
    UserPreferences::shared().setShowTeamLogos(true);
    const QUrl unreachable("http://127.0.0.1:9/logo.png"); // refused: fails after a moment
    TeamLogoView view(teamWithLogo(unreachable), 32);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    view.grab();
    EXPECT_TRUE(view.isSpinning());

    QSignalSpy finished(&ImageLoader::shared(), &ImageLoader::finished);
    while (ImageLoader::shared().state(unreachable) == ImageLoader::State::Loading)
        ASSERT_TRUE(finished.wait(5000));
    const QImage failed = view.grab().toImage();
    EXPECT_FALSE(view.isSpinning());
    EXPECT_EQ(QColor(failed.pixel(16, 3)), QColor(0x00, 0x7a, 0x33)); // the coloured initial

    Team noLogo = view.team();
    noLogo.logoURL.reset();
    view.setTeam(noLogo);
    view.grab();
    EXPECT_FALSE(view.isSpinning());
}
