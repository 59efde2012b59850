#include "MappingTestSupport.h"
#include "service/SharedParsers.h"

using namespace Qt::Literals::StringLiterals;

TEST(ParseDateTest, ReadsTheServiceFormsAsUtc) {
    const QList<std::pair<const char16_t*, QDateTime>> forms{
        {u"2026-09-13T17:00:05.250Z", utc(2026, 9, 13, 17, 0, 5, 250)},
        {u"2026-09-13T17:00:05Z", utc(2026, 9, 13, 17, 0, 5)},
        {u"2026-09-13T17:00Z", utc(2026, 9, 13, 17, 0)},
        {u"2026-09-13T17:00:05", utc(2026, 9, 13, 17, 0, 5)},
        {u"2026-09-13T19:30:00.5+02:30", utc(2026, 9, 13, 17, 0, 0, 500)},
        {u"2026-09-13T13:00:00-04:00", utc(2026, 9, 13, 17, 0)},
        // A time without seconds takes its zone with or without minutes.
        {u"2026-09-13T13:00-04", utc(2026, 9, 13, 17, 0)},
        {u"2026-09-13T13:00-0400", utc(2026, 9, 13, 17, 0)},
        {u"2026-09-13T13:00-04:00", utc(2026, 9, 13, 17, 0)},
        // Crossing midnight and the year.
        {u"2026-12-31T23:30:00-01:00", utc(2027, 1, 1, 0, 30)}};
    for (const auto& [text, expected] : forms)
        EXPECT_EQ(parseDate(text), expected) << QString::fromUtf16(text).toStdString();
}

TEST(ParseDateTest, RejectsEverythingElse) {
    for (const char16_t* text :
         {// Not a full date and time.
          u"", u"TBD", u"2026-09-13", u"2026-09-13T17Z", u"2026-09-13T17:00:0",
          u"Sat, 13 Sep 2026 17:00:00 GMT", u"0000-01-01T00:00Z",
          // Fields out of range.
          u"2026-13-01T10:00Z", u"2026-02-30T10:00Z", u"2026-09-13T24:00Z", u"2026-09-13T17:60Z",
          u"2026-09-13T17:00:61Z", u"2026-09-13T17:00+25:00",
          // Stray or missing characters.
          u"2026-09-13 17:00Z", u"2026-09-13T17:00:00.Z", u"2026-09-13T17:00:00+0100x",
          u"2026-09-13T17:00:00 ", u" 2026-09-13T17:00Z", u"+2026-09-13T17:00Z", u"2026-09-13T17:00-4"}) {
        EXPECT_FALSE(parseDate(text)) << QString::fromUtf16(text).toStdString();
    }
}

TEST(MapGameStatusTest, FollowsStateThenDetail) {
    const QList<std::tuple<QString, std::optional<QString>, GameStatus>> rules{
        {"pre", "STATUS_IN_PROGRESS", GameStatus::scheduled},
        {"in", std::nullopt, GameStatus::inProgress},
        {"IN", "STATUS_HALFTIME", GameStatus::halftime},
        {"in", "Half Time", GameStatus::halftime},
        {"in", "End of 3rd", GameStatus::endOfPeriod},
        {"in", "First Intermission", GameStatus::endOfPeriod},
        // The status name of a finished quarter says "END_PERIOD", which is not "end of".
        {"in", "STATUS_END_PERIOD", GameStatus::inProgress},
        {"Post", "STATUS_HALFTIME", GameStatus::final_},
        {"", std::nullopt, GameStatus::scheduled},
        {"inprogress", std::nullopt, GameStatus::scheduled},
        // Text beyond plain ASCII, or long, is lowered as Unicode has it: a dotless ı is no i.
        {"In", u"Pause — HALFTIME"_s, GameStatus::halftime},
        {u"ın"_s, std::nullopt, GameStatus::scheduled},
        {"in", "A status detail long enough to run past sixty-four characters: END OF 2nd",
         GameStatus::endOfPeriod}};
    for (const auto& [state, detail, expected] : rules)
        EXPECT_EQ(mapGameStatus(state, detail), expected)
            << state.toStdString() << " " << detail.value_or("-").toStdString();
}
