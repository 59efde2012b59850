#include "model/PlayByPlayEvent.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PlayByPlayEventTest, EventTypeRawValuesMatchExactly) {
    EXPECT_EQ(fromRawValue<PlayEventType>(u"two_point"), PlayEventType::twoPointConversion);
    EXPECT_EQ(fromRawValue<PlayEventType>(u"two_point_conversion"), std::nullopt);
    EXPECT_EQ(fromRawValue<PlayEventType>(u"Touchdown"), std::nullopt);
    EXPECT_EQ(fromRawValue<PlayEventType>(u"goal"), PlayEventType::goal);
    EXPECT_EQ(fromRawValue<PlayEventType>(u"goal_soccer"), PlayEventType::goalSoccer);
    EXPECT_EQ(rawValue(PlayEventType::twoPointConversion), u"two_point"_s);
    EXPECT_EQ(qHash(PlayEventType::goal), qHash(u"goal"_s));
}

TEST(PlayByPlayEventTest, OptionalFieldsMayBeMissingButPeriodMayNot) {
    PlayByPlayEvent event{u"p1"_s,        u"g1"_s,      QDateTime(QDate(2026, 2, 1), QTime(20, 0), Qt::UTC),
                          u"2nd"_s,       std::nullopt, PlayEventType::fieldGoal,
                          u"Kick good"_s, std::nullopt, std::nullopt,
                          std::nullopt,   std::nullopt, true,
                          false};
    const QJsonObject json = event.toJson();
    for (const char* key : {"clock", "team", "player", "scoreHome", "scoreAway"})
        EXPECT_FALSE(json.contains(QLatin1StringView(key))) << key;
    EXPECT_EQ(json.value("eventType"_L1).toString(), u"field_goal"_s);

    const std::optional<PlayByPlayEvent> decoded = PlayByPlayEvent::fromJson(json);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->timestamp, event.timestamp);
    EXPECT_FALSE(decoded->clock || decoded->team || decoded->player || decoded->scoreHome ||
                 decoded->scoreAway);
    EXPECT_TRUE(decoded->isScoring);

    QJsonObject withoutPeriod = json;
    withoutPeriod.remove("period"_L1);
    EXPECT_FALSE(PlayByPlayEvent::fromJson(withoutPeriod).has_value());
}
