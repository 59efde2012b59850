// A scoreboard is parsed event by event when its shape allows; whatever the text, the result must be what
// parsing the whole reply gives.
#include "service/EventSlices.h"

#include "MappingTestSupport.h"
#include "WholeScoreboardParse.h"

namespace {

QByteArray event(int id, const QByteArray& extra = {}) {
    return R"({"id": ")" + QByteArray::number(id) + R"(", "date": "2026-09-13T17:00Z", )" + extra +
           R"("competitions": [{"competitors": [{"homeAway": "home", "team": {"id": "1", "displayName": "H"}},
            {"homeAway": "away", "team": {"id": "2", "displayName": "A"}}]}]})";
}

} // namespace

TEST(EventSlicesTest, EveryReplyMapsAsItsWholeParseDoes) {
    const QByteArray e1 = event(1);
    const QByteArray e2 = event(2, R"("note": "] } [ { \" \\", )");
    const QByteArray deep = QByteArray(300, '[') + QByteArray(300, ']');
    const QList<QByteArray> bodies{
        "{\"events\": [" + e1 + ", " + e2 + "]}",
        " \n{ \"events\" :\t[ " + e1 + " ,\r\n" + e2 + " ] } \n",
        R"({"leagues": [{"note": "\"events\": [", "x": [1, {"y": "]"}]}], "events": [)" + e2 +
            R"(], "z": null})",
        "{\"events\": []}",
        // Shapes the split leaves to the whole parse, valid or not.
        "{\"events\": [" + e1 + "], \"events\": [" + e2 + "]}",
        "{\"ev\\u0065nts\": [" + e2 + "]}",
        "{\"events\": [" + e1 + ", " + event(3, "\"deep\": " + deep + ", ") + "]}",
        "\xEF\xBB\xBF{\"events\": [" + e1 + "]}",
        "{\"events\": {}}",
        "{}",
        "[" + e1 + "]",
        // Broken in the events, around them or after them.
        "{\"events\": [" + e1 + ",]}",
        "{\"events\": [" + e1 + "],}",
        "{\"events\": [" + e1 + ", 3]}",
        "{\"events\": [" + e1 + ", [" + e2 + "]]}",
        "{\"events\": [" + e1 + " " + e2 + "]}",
        "{\"events\": [" + e1 + ", {\"id\": }]}",
        "{\"events\": [" + e1 + "], \"x\": tru}",
        "{\"events\": [" + e1 + "]} x",
        "{\"events\": [" + e1,
        "{\"a\": \"unterminated, \"events\": [" + e1 + "]}",
    };
    const League league = leagueWithId("nfl");
    for (const QByteArray& body : bodies) {
        const ServiceResult<QList<Game>> mapped = parseScoreboard(body, league, mappingNow());
        const ServiceResult<QList<Game>> whole = scoreboardParsedWhole(body, league, mappingNow());
        ASSERT_EQ(mapped.ok(), whole.ok()) << body.left(200).toStdString();
        if (whole.ok())
            EXPECT_EQ(mapped.value(), whole.value()) << body.left(200).toStdString();
        else
            EXPECT_EQ(mapped.error(), whole.error()) << body.left(200).toStdString();
    }
}

// The shapes the split refuses are in the table above; this checks that the plain one does take the split.
TEST(EventSlicesTest, OnlyThePlainShapeIsSliced) {
    const QByteArray body = R"({"a": "x\\", "events": [ {"b": "]\""} ,{} ], "c": [[]]})";
    const std::optional<EventSlices> slices = sliceEvents(body);
    ASSERT_TRUE(slices);
    EXPECT_EQ(slices->rest, R"({"a": "x\\", "events": [], "c": [[]]})");
    EXPECT_EQ(slices->events, (QList<QByteArrayView>{R"({"b": "]\""})", "{}"}));
    EXPECT_FALSE(sliceEvents("{\"events\": [" + QByteArray(eventSliceDepthLimit + 1, '[') +
                             QByteArray(eventSliceDepthLimit + 1, ']') + "]}"));
}
