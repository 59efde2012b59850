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

// The earlier request went out before the wall clock was set back, so its time of day reads later.
TEST_F(CacheServiceTest, AReplyAskedForEarlierNeverReplacesOneAskedForLaterWhateverTheWallClockDoes) {
    const auto earlier = CacheService::Reply::sentNow(clock, "earlier");
    clock.stepWallClock(-std::chrono::hours(2));
    clock.advanceSeconds(2);
    const auto later = CacheService::Reply::sentNow(clock, "later");
    cache.set(later, key, 60);
    cache.set(earlier, key, 60);
    EXPECT_EQ(cache.get(key), QByteArray("later"));
    const std::optional<CacheService::Reply> newer = cache.newerThan(key, earlier.sentAt);
    ASSERT_TRUE(newer);
    EXPECT_EQ(newer->data, QByteArray("later"));
    EXPECT_EQ(newer->requestedAt, later.requestedAt);
    EXPECT_FALSE(cache.newerThan(key, later.sentAt));

    // A body stored as of now is the newest.
    clock.advanceSeconds(1);
    cache.set("now", key, 60);
    EXPECT_EQ(cache.get(key), QByteArray("now"));
}
