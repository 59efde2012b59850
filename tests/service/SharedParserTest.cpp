#include "service/APIError.h"
#include "service/SharedParsers.h"

#include <gtest/gtest.h>

namespace {

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC);
}

} // namespace

TEST(ParseDateTest, ReadsEachOfTheServiceForms) {
    EXPECT_EQ(parseDate(u"2026-09-13T17:00:05.250Z"), utc(2026, 9, 13, 17, 0, 5, 250));
    EXPECT_EQ(parseDate(u"2026-09-13T17:00:05Z"), utc(2026, 9, 13, 17, 0, 5));
    EXPECT_EQ(parseDate(u"2026-09-13T17:00Z"), utc(2026, 9, 13, 17, 0));
    EXPECT_EQ(parseDate(u"2026-09-13T17:00:05"), utc(2026, 9, 13, 17, 0, 5));
}

TEST(ParseDateTest, AppliesZoneOffsets) {
    EXPECT_EQ(parseDate(u"2026-09-13T19:30:00.5+02:30"), utc(2026, 9, 13, 17, 0, 0, 500));
    EXPECT_EQ(parseDate(u"2026-09-13T13:00:00-04:00"), utc(2026, 9, 13, 17, 0));
    // A time without seconds takes its zone with or without minutes.
    EXPECT_EQ(parseDate(u"2026-09-13T13:00-04"), utc(2026, 9, 13, 17, 0));
    EXPECT_EQ(parseDate(u"2026-09-13T13:00-0400"), utc(2026, 9, 13, 17, 0));
    EXPECT_EQ(parseDate(u"2026-09-13T13:00-04:00"), utc(2026, 9, 13, 17, 0));
    // Crossing midnight and the year.
    EXPECT_EQ(parseDate(u"2026-12-31T23:30:00-01:00"), utc(2027, 1, 1, 0, 30));
}

TEST(ParseDateTest, RejectsEverythingElse) {
    for (const char16_t* text : {u"",
                                 u"TBD",
                                 u"2026-09-13",
                                 u"2026-09-13T17Z",
                                 u"2026-13-01T10:00Z",
                                 u"2026-02-30T10:00Z",
                                 u"2026-09-13T24:00Z",
                                 u"2026-09-13T17:60Z",
                                 u"2026-09-13T17:00:61Z",
                                 u"2026-09-13 17:00Z",
                                 u"2026-09-13T17:00:00.Z",
                                 u"2026-09-13T17:00+25:00",
                                 u"2026-09-13T17:00:00+0100x",
                                 u"2026-09-13T17:00:00 ",
                                 u" 2026-09-13T17:00Z",
                                 u"Sat, 13 Sep 2026 17:00:00 GMT",
                                 u"+2026-09-13T17:00Z",
                                 u"2026-09-13T17:00:0",
                                 u"2026-09-13T17:00-4",
                                 u"0000-01-01T00:00Z"}) {
        EXPECT_FALSE(parseDate(text)) << QString::fromUtf16(text).toStdString();
    }
}

TEST(MapGameStatusTest, FollowsStateThenDetail) {
    EXPECT_EQ(mapGameStatus(u"pre", u"STATUS_IN_PROGRESS"), GameStatus::scheduled);
    EXPECT_EQ(mapGameStatus(u"in", std::nullopt), GameStatus::inProgress);
    EXPECT_EQ(mapGameStatus(u"IN", u"STATUS_HALFTIME"), GameStatus::halftime);
    EXPECT_EQ(mapGameStatus(u"in", u"Half Time"), GameStatus::halftime);
    EXPECT_EQ(mapGameStatus(u"in", u"End of 3rd"), GameStatus::endOfPeriod);
    EXPECT_EQ(mapGameStatus(u"in", u"First Intermission"), GameStatus::endOfPeriod);
    // The status name of a finished quarter says "END_PERIOD", which is not "end of".
    EXPECT_EQ(mapGameStatus(u"in", u"STATUS_END_PERIOD"), GameStatus::inProgress);
    EXPECT_EQ(mapGameStatus(u"Post", u"STATUS_HALFTIME"), GameStatus::final_);
    EXPECT_EQ(mapGameStatus(u"", std::nullopt), GameStatus::scheduled);
    EXPECT_EQ(mapGameStatus(u"inprogress", std::nullopt), GameStatus::scheduled);
}

TEST(APIErrorTest, DescribesEachKind) {
    EXPECT_EQ(APIError::httpError(404).errorDescription(), u"HTTP error: 404");
    EXPECT_EQ(APIError::parsingError().errorDescription(), u"Failed to parse response");
    EXPECT_EQ(APIError::invalidURL().errorDescription(), u"Invalid URL");
    EXPECT_EQ(APIError::invalidResponse().errorDescription(), u"Invalid response from server");
    EXPECT_EQ(APIError::noData().errorDescription(), u"No data received");
    EXPECT_EQ(APIError::networkUnavailable().errorDescription(), u"Network unavailable");
}
