#include "service/CacheService.h"
#include "ManualClock.h"

#include <gtest/gtest.h>

namespace {

class CacheServiceTest : public ::testing::Test {
protected:
    ManualClock clock;
    CacheService cache{clock};
    const QString key = QStringLiteral("https://host/apis/site/v2/sports/football/nfl/scoreboard");
};

} // namespace

TEST_F(CacheServiceTest, EntryExpiresExactlyAtItsLifetimeWhateverTheWallClockDoes) {
    cache.set("body", key, 60);
    clock.advanceSeconds(59.999);
    EXPECT_EQ(cache.get(key), QByteArray("body"));
    clock.advanceSeconds(0.001);
    EXPECT_FALSE(cache.get(key));

    // Entries age at their own pace when the wall clock is set back or forward.
    for (const auto step : {std::chrono::hours(-2), std::chrono::hours(2)}) {
        cache.set("body", key, 60);
        clock.advanceSeconds(30);
        clock.stepWallClock(step);
        // Set forward, the entry has not aged by hours; set back, its age has not turned negative.
        EXPECT_EQ(cache.get(key), QByteArray("body")) << step.count();
        clock.advanceSeconds(30);
        EXPECT_FALSE(cache.get(key)) << step.count();
    }
}

TEST_F(CacheServiceTest, EntriesKeepTheirOwnLifetimesUntilReplacedOrCleared) {
    const QString teams = QStringLiteral("https://host/apis/site/v2/sports/football/nfl/teams?limit=50");
    cache.set("old", key, 30);
    cache.set("teams", teams, 86400);
    clock.advanceSeconds(20);
    cache.set("new", key, 30); // replaces the body and restarts the lifetime
    clock.advanceSeconds(20);
    EXPECT_EQ(cache.get(key), QByteArray("new"));
    clock.advanceSeconds(10);
    EXPECT_FALSE(cache.get(key));
    EXPECT_EQ(cache.get(teams), QByteArray("teams"));

    cache.clearAll();
    EXPECT_FALSE(cache.get(teams));
    cache.set("again", key, 60);
    EXPECT_EQ(cache.get(key), QByteArray("again"));
}

TEST_F(CacheServiceTest, AReplyAskedForEarlierNeverReplacesOneAskedForLater) {
    const QDateTime earlier = clock.now();
    clock.advanceSeconds(2);
    const QDateTime later = clock.now();
    cache.set("later", key, 60, later);
    cache.set("earlier", key, 60, earlier);
    EXPECT_EQ(cache.get(key), QByteArray("later"));
    EXPECT_EQ(cache.newerThan(key, earlier)->data, QByteArray("later"));
    EXPECT_FALSE(cache.newerThan(key, later));

    // Once the clock is set back, a request time ahead of it proves nothing: the next store wins.
    clock.setNow(earlier.addSecs(-60));
    cache.set("after the clock change", key, 60);
    EXPECT_EQ(cache.get(key), QByteArray("after the clock change"));
}
