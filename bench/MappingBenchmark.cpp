// The scoreboard mapping against the bare JSON parse it starts with, on a generated reply of 320 live games.
#include "GeneratedEvents.h"
#include "MappingRatio.h"
#include "model/League.h"
#include "service/ScoresMapping.h"

#include <QJsonDocument>

#include <chrono>

#include <benchmark/benchmark.h>

namespace {

constexpr int eventCount = 320;

// One competitor as the service sends it: the team, its score, line scores, records, statistics and leaders.
QByteArray competitor(int teamId, const char* homeAway, int score) {
    const QByteArray id = QByteArray::number(teamId);
    return R"({"id": ")" + id + R"(", "uid": "s:20~l:28~t:)" + id + R"(", "type": "team", "order": 0,
        "homeAway": ")" +
           homeAway + R"(", "winner": false,
        "team": {"id": ")" +
           id + R"(", "uid": "s:20~l:28~t:)" + id + R"(", "location": "City )" + id + R"(",
            "name": "Team )" +
           id + R"(", "abbreviation": "T)" + id + R"(", "displayName": "City )" + id + R"( Team",
            "shortDisplayName": "Team )" +
           id + R"(", "color": "00338d", "alternateColor": "d50a0a", "isActive": true,
            "venue": {"id": "3883"},
            "links": [{"rel": ["clubhouse", "desktop", "team"], "href": "https://www.example.com/nfl/team/_/name/t)" +
           id + R"(", "text": "Clubhouse", "isExternal": false, "isPremium": false},
                      {"rel": ["roster", "desktop", "team"], "href": "https://www.example.com/nfl/team/roster/_/name/t)" +
           id + R"(", "text": "Roster", "isExternal": false, "isPremium": false}],
            "logo": "https://a.espncdn.com/i/teamlogos/nfl/500/scoreboard/t)" +
           id + R"(.png"},
        "score": ")" +
           QByteArray::number(score) + R"(",
        "linescores": [{"value": 7.0}, {"value": 3.0}, {"value": 0.0}],
        "statistics": [],
        "records": [{"name": "overall", "abbreviation": "Any", "type": "total", "summary": "5-2"},
                    {"name": "Home", "type": "home", "summary": "3-1"},
                    {"name": "Road", "type": "road", "summary": "2-1"}],
        "leaders": [{"name": "passingYards", "displayName": "Passing Leader", "shortDisplayName": "PASS",
                     "abbreviation": "PYDS", "leaders": [{"displayValue": "18/25, 231 YDS, 2 TD", "value": 231.0,
                     "athlete": {"id": "3918298", "fullName": "Quarter Back", "displayName": "Quarter Back",
                     "shortName": "Q. Back", "headshot": "https://a.espncdn.com/i/headshots/nfl/players/full/3918298.png",
                     "jersey": "17", "position": {"abbreviation": "QB"}, "team": {"id": ")" +
           id + R"("}, "active": true}, "team": {"id": ")" + id + R"("}}]}]})";
}

QByteArray event(int index) {
    const QByteArray id = QByteArray::number(401772000 + index);
    const int home = 1 + index % 32;
    const int away = 1 + (index + 7) % 32;
    return R"({"id": ")" + id + R"(", "uid": "s:20~l:28~e:)" + id + R"(", "date": "2026-09-13T17:00Z",
        "name": "City )" +
           QByteArray::number(away) + " at City " + QByteArray::number(home) + R"(", "shortName": "T)" +
           QByteArray::number(away) + " @ T" + QByteArray::number(home) + R"(",
        "season": {"year": 2026, "type": 2, "slug": "regular-season"}, "week": {"number": 2},
        "competitions": [{"id": ")" +
           id + R"(", "uid": "s:20~l:28~e:)" + id + R"(~c:)" + id + R"(",
            "date": "2026-09-13T17:00Z", "attendance": 70123, "type": {"id": "1", "abbreviation": "STD"},
            "timeValid": true, "neutralSite": false, "conferenceCompetition": false, "playByPlayAvailable": true,
            "recent": true,
            "venue": {"id": "3883", "fullName": "Highmark Stadium", "address": {"city": "Orchard Park", "state": "NY",
                      "country": "USA"}, "indoor": false},
            "competitors": [)" +
           competitor(home, "home", index % 35) + ", " + competitor(away, "away", index % 28) +
           R"(],
            "notes": [],
            "situation": {"lastPlay": {"id": ")" +
           id + R"(1071", "type": {"id": "24", "text": "Pass Reception",
                          "abbreviation": "REC"}, "text": "Pass short right for 12 yards.", "scoreValue": 0,
                          "team": {"id": ")" +
           QByteArray::number(home) + R"("}, "statYardage": 12},
                          "down": 1, "yardLine": 45, "distance": 10, "downDistanceText": "1st & 10 at T1 45",
                          "shortDownDistanceText": "1st & 10", "possessionText": "T1 45", "isRedZone": false,
                          "homeTimeouts": 3, "awayTimeouts": 2, "possession": ")" +
           QByteArray::number(home) + R"("},
            "status": {"clock": 512.0, "displayClock": "8:32", "period": 3, "type": {"id": "2",
                       "name": "STATUS_IN_PROGRESS", "state": "in", "completed": false, "description": "In Progress",
                       "detail": "8:32 - 3rd Quarter", "shortDetail": "8:32 - 3rd"}},
            "broadcasts": [{"market": "national", "names": ["CBS"]}],
            "format": {"regulation": {"periods": 4}}, "startDate": "2026-09-13T17:00Z", "broadcast": "CBS",
            "geoBroadcasts": [{"type": {"id": "1", "shortName": "TV"}, "market": {"id": "1", "type": "National"},
                               "media": {"shortName": "CBS"}, "lang": "en", "region": "us"}],
            "highlights": []}],
        "links": [{"language": "en-US", "rel": ["summary", "desktop", "event"],
                   "href": "https://www.example.com/nfl/game/_/gameId/)" +
           id + R"(", "text": "Gamecast",
                   "shortText": "Gamecast", "isExternal": false, "isPremium": false}],
        "weather": {"displayValue": "Partly sunny", "temperature": 71, "highTemperature": 71, "conditionId": "3"},
        "status": {"clock": 512.0, "displayClock": "8:32", "period": 3, "type": {"id": "2",
                   "name": "STATUS_IN_PROGRESS", "state": "in", "completed": false, "description": "In Progress",
                   "detail": "8:32 - 3rd Quarter", "shortDetail": "8:32 - 3rd"}}})";
}

const QByteArray& generatedScoreboard() {
    static const QByteArray body = [] {
        QByteArray events;
        for (int i = 0; i < eventCount; ++i)
            events += (i ? ",\n" : "") + event(i);
        return R"({"leagues": [{"id": "28", "uid": "s:20~l:28", "name": "National Football League",
            "abbreviation": "NFL", "slug": "nfl"}], "season": {"type": 2, "year": 2026}, "week": {"number": 2},
            "events": [)" +
               events + "]}";
    }();
    return body;
}

void parseScoreboardBenchmark(benchmark::State& state) {
    const QByteArray& body = generatedScoreboard();
    const League league = League::withId("nfl").value();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        ServiceResult<QList<Game>> games = parseScoreboard(body, league, now);
        if (!games.ok() || games.value().size() != eventCount)
            state.SkipWithError("the generated scoreboard did not map");
        benchmark::DoNotOptimize(games);
    }
    state.SetBytesProcessed(state.iterations() * body.size());
}

void fromJsonBenchmark(benchmark::State& state) {
    const QByteArray& body = generatedScoreboard();
    for (auto _ : state) {
        QJsonDocument document = QJsonDocument::fromJson(body);
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(state.iterations() * body.size());
}

// Both in turn within each iteration, so that the two share the same heap and cache state; the ratio of
// their summed times is the figure glimmerbox-bench reports last.
void ratioBenchmark(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const QByteArray& body = generatedScoreboard();
    const League league = League::withId("nfl").value();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Clock::duration parsing{};
    Clock::duration mapping{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        {
            QJsonDocument document = QJsonDocument::fromJson(body);
            benchmark::DoNotOptimize(document);
        }
        const Clock::time_point parsed = Clock::now();
        {
            ServiceResult<QList<Game>> games = parseScoreboard(body, league, now);
            benchmark::DoNotOptimize(games);
        }
        const Clock::time_point mapped = Clock::now();
        parsing += parsed - start;
        mapping += mapped - parsed;
    }
    state.counters[ratioCounterName] =
        std::chrono::duration<double>(mapping) / std::chrono::duration<double>(parsing);
}

} // namespace

QByteArray generatedScoreboardEvent(int index) {
    return event(index);
}

BENCHMARK(fromJsonBenchmark)->Name("ScoreboardMapping/fromJson")->Unit(benchmark::kMillisecond);
BENCHMARK(parseScoreboardBenchmark)->Name("ScoreboardMapping/parseScoreboard")->Unit(benchmark::kMillisecond);
BENCHMARK(ratioBenchmark)
    ->Name(ratioBenchmarkName)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5);
