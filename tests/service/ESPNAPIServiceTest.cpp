#include "service/ESPNAPIService.h"
#include "BuildInfo.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "MappingTestSupport.h"
#include "StandinProcess.h"
#include "TaskRunner.h"
#include "platform/network/ImageLoader.h"
#include "platform/network/SharedNetworkAccess.h"

#include <QCoroTask>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <optional>

namespace {

using namespace std::chrono_literals;

// Runs a fetch to its end on the GUI thread's event loop.
template <typename T>
ServiceResult<T> await(QCoro::Task<ServiceResult<T>> task) {
    auto result = std::make_shared<std::optional<ServiceResult<T>>>();
    auto keep = [](QCoro::Task<ServiceResult<T>> task, auto result) -> QCoro::Task<> {
        result->emplace(co_await std::move(task));
    };
    if (!runToCompletion(keep(std::move(task), result)))
        return APIError::noData();
    return std::move(**result);
}

// Limits of a picture loader configured with `standin` as the scores service, as the offline run configures
// the application: its pictures are fetched over plain http as named.
ImageLoader::Limits picturesOf(const StandinProcess& standin) {
    ImageLoader::Limits limits;
    limits.configuredBases = {QUrl(standin.apiBase())};
    return limits;
}

// The games of a fetched scoreboard.
ServiceResult<QList<Game>> gamesOf(ServiceResult<Scoreboard> scoreboard) {
    if (!scoreboard)
        return scoreboard.error();
    return std::move(scoreboard).value().games;
}

// One stand-in per test; the client under test talks to nothing else.
class ESPNAPIServiceTest : public ::testing::Test {
protected:
    explicit ESPNAPIServiceTest(const QString& scenario = QStringLiteral("default.json"))
        : standin(scenario) {}

    void SetUp() override {
        ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
        service = std::make_unique<ESPNAPIService>(cache, clock, standin.apiBase(), 2s);
    }

    ServiceResult<QList<Game>> scoreboard(const QString& leagueId, std::optional<QDateTime> date = {}) {
        return gamesOf(await(service->fetchScoreboard(leagueWithId(leagueId), date)));
    }
    ServiceResult<QList<Team>> teams(const QString& leagueId) {
        return await(service->fetchTeams(leagueWithId(leagueId)));
    }

    // Requests of one path since the test began.
    int requestsOf(const QString& target) const {
        return standin.requestCount(QStringLiteral("/apis/site/v2/sports/") + target);
    }

    ManualClock clock;
    CacheService cache{clock};
    StandinProcess standin;
    std::unique_ptr<ESPNAPIService> service;
};

class ESPNAPIServiceFaultTest : public ESPNAPIServiceTest {
protected:
    ESPNAPIServiceFaultTest() : ESPNAPIServiceTest(QStringLiteral("faults.json")) {}

    // A request that ran past its deadline fails as a cancelled transfer, and nothing is cached for `path`.
    template <typename T>
    void expectTimedOutAndUncached(const ServiceResult<T>& result, const QString& path) {
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().kind(), APIError::Kind::transportError);
        EXPECT_EQ(result.error().code(), QNetworkReply::OperationCanceledError);
        EXPECT_FALSE(cache.get(standin.apiBase() + path).has_value());
    }
};

} // namespace

TEST_F(ESPNAPIServiceTest, CachedScoreboardAnswersWithoutRequestUntilItExpires) {
    const auto first = scoreboard("nba");
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.value().size(), 3);
    // Requests name the application and its version.
    EXPECT_EQ(standin.stats().value("userAgent").toString(),
              "Glimmerbox/" + QLatin1String(BuildInfo::version));

    clock.advanceSeconds(59.9);
    ASSERT_TRUE(scoreboard("nba").ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard"), 1);
    clock.advanceSeconds(0.1);
    ASSERT_TRUE(scoreboard("nba").ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard"), 2);

    // A wall clock set back neither stretches the lifetime nor keeps the earlier reply: the next fetch past
    // it asks again, and its games are the ones answered.
    clock.stepWallClock(-2h);
    clock.advanceSeconds(60);
    const auto afterTheStep = scoreboard("nba");
    ASSERT_TRUE(afterTheStep.ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard"), 3);
    ASSERT_FALSE(afterTheStep.value().isEmpty());
    EXPECT_EQ(afterTheStep.value().first().lastUpdate, clock.now());
}

TEST_F(ESPNAPIServiceTest, ALiveSummaryAsksPastTheCacheAndItsReplyServesTheCachedReads) {
    const QString path = "basketball/nba/summary?event=401810001";
    const auto first = await(service->fetchGameDetail("401810001", leagueWithId("nba")));
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.value().game.status, GameStatus::inProgress);
    ASSERT_TRUE(await(service->fetchGameDetail("401810001", leagueWithId("nba"))).ok());
    EXPECT_EQ(requestsOf(path), 1);

    // The game ends within the summary's 30 s in the cache.
    standin.advance(60);
    clock.advanceSeconds(10);
    const auto live = await(service->fetchLiveGameDetail("401810001", leagueWithId("nba")));
    ASSERT_TRUE(live.ok());
    EXPECT_EQ(requestsOf(path), 2);
    EXPECT_EQ(live.value().game.status, GameStatus::final_);
    EXPECT_EQ(live.value().game.homeScore, 102);
    EXPECT_EQ(live.value().game.awayScore, 100);

    const auto cached = await(service->fetchGameDetail("401810001", leagueWithId("nba")));
    ASSERT_TRUE(cached.ok());
    EXPECT_EQ(requestsOf(path), 2);
    EXPECT_EQ(cached.value().game.status, GameStatus::final_);
}

// The offline run's scores: each scripted basket or kick comes with a last play of the side that scored, so a
// celebration's caption names the right team.
TEST_F(ESPNAPIServiceTest, ScriptedScoresComeWithAPlayOfTheTeamThatScored) {
    const auto lastPlayTeam = [&](const QString& leagueId, const QString& gameId) -> QString {
        clock.advanceSeconds(61); // past the cached reply
        const auto games = scoreboard(leagueId);
        if (!games.ok())
            return QStringLiteral("no scoreboard");
        for (const Game& game : games.value()) {
            if (game.id == gameId && game.situations && game.situations->lastPlayTeamId)
                return *game.situations->lastPlayTeamId;
        }
        return QStringLiteral("no last play");
    };
    // Boston ("2") at the Lakers ("13"): Lakers at 20 s, Boston at 40 s, Lakers at 50 s.
    double elapsed = 0;
    for (const auto& [at, team] : QList<std::pair<double, QString>>{{20, "13"}, {40, "2"}, {50, "13"}}) {
        standin.advance(at - elapsed);
        elapsed = at;
        EXPECT_EQ(lastPlayTeam("nba", "401810001"), team) << at;
    }
    // Dallas ("6") kicks the winning field goal in overtime at 75 s.
    standin.advance(75 - elapsed);
    EXPECT_EQ(lastPlayTeam("nfl", "401820001"), "6");
}

TEST_F(ESPNAPIServiceTest, DefaultScenarioMapsEveryLeagueAndTheDetailsSummaryServesTheTopScorers) {
    for (const auto& [id, count] : QList<std::pair<QString, qsizetype>>{
             {"nba", 3}, {"nfl", 2}, {"nhl", 1}, {"epl", 2}, {"f1", 1}, {"atp", 2}}) {
        const auto games = scoreboard(id);
        ASSERT_TRUE(games.ok()) << id.toStdString();
        EXPECT_EQ(games.value().size(), count) << id.toStdString();
    }

    const auto detail = await(service->fetchGameDetail("401810001", leagueWithId("nba")));
    ASSERT_TRUE(detail.ok());
    EXPECT_EQ(detail.value().game.awayTeam.abbreviation, u"BOS");

    const auto scorers = await(service->fetchTopScorers("401810001", leagueWithId("nba")));
    ASSERT_TRUE(scorers.ok());
    ASSERT_EQ(scorers.value().size(), 2);
    EXPECT_EQ(scorers.value().at(0).playerName, u"LeBron James");
    EXPECT_EQ(requestsOf("basketball/nba/summary?event=401810001"), 1);
}

TEST_F(ESPNAPIServiceTest, RequestsEncodeTheGameIdNameTheLocalDayInAsciiDigitsAndTakeUnknownLeaguesAsNfl) {
    const auto detail = await(service->fetchGameDetail("401&event=401810001 #x", leagueWithId("nba")));
    EXPECT_EQ(requestsOf("basketball/nba/summary?event=401%26event%3D401810001%20%23x"), 1);
    // The stand-in read the whole id as one event, which it does not know.
    ASSERT_FALSE(detail.ok());
    EXPECT_EQ(detail.error(), APIError::httpError(404));

    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt)); // a locale with its own digits
    const QDateTime lateEvening(QDate(2026, 3, 14), QTime(23, 30), Qt::LocalTime);
    EXPECT_EQ(ESPNAPIService::dayParameter(lateEvening), u"20260314");
    EXPECT_EQ(ESPNAPIService::dayParameter(QDateTime(QDate(987, 1, 2), QTime(12, 0), Qt::LocalTime)),
              u"09870102");
    const auto games = scoreboard("nba", lateEvening);
    QLocale::setDefault(previous);
    ASSERT_TRUE(games.ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard?dates=20260314"), 1);

    League unknown = leagueWithId("nba");
    unknown.id = QStringLiteral("xfl");
    EXPECT_TRUE(await(service->fetchScoreboard(unknown)).ok());
    EXPECT_EQ(requestsOf("football/nfl/scoreboard"), 1);
}

TEST_F(ESPNAPIServiceTest, TeamListsAskForFourHundredInCollegeLeaguesFiftyElsewhereAndNoneInTennis) {
    for (const char* id : {"atp", "wta"})
        EXPECT_TRUE(teams(id).value().isEmpty()) << id;
    EXPECT_EQ(standin.totalRequests(), 0);

    EXPECT_FALSE(teams("ncaaf").ok()); // not in this scenario: 404
    EXPECT_FALSE(teams("ncaam").ok());
    const auto nba = teams("nba");
    ASSERT_TRUE(nba.ok());
    EXPECT_EQ(nba.value().size(), 7);
    EXPECT_EQ(requestsOf("football/college-football/teams?limit=400"), 1);
    EXPECT_EQ(requestsOf("basketball/mens-college-basketball/teams?limit=400"), 1);
    EXPECT_EQ(requestsOf("basketball/nba/teams?limit=50"), 1);
}

TEST_F(ESPNAPIServiceFaultTest, FailuresAreErrorValuesWithTheirKindAndCode) {
    const QString api = standin.apiBase();
    const QList<std::tuple<QString, QString, APIError::Kind, int>> cases{
        {"no host here", "nba", APIError::Kind::invalidURL, 0},
        {"http://127.0.0.1:1/apis/site/v2/sports", "nba", APIError::Kind::transportError,
         QNetworkReply::ConnectionRefusedError},
        {api, "laliga", APIError::Kind::transportError, QNetworkReply::RemoteHostClosedError}, // dropped
        {api, "mls", APIError::Kind::parsingError, 0},                                         // an HTML page
        {api, "mlb", APIError::Kind::parsingError, 0}}; // malformed JSON
    for (const auto& [base, id, kind, code] : cases) {
        ESPNAPIService client(cache, clock, base);
        const auto games = await(client.fetchScoreboard(leagueWithId(id)));
        ASSERT_FALSE(games.ok()) << id.toStdString();
        EXPECT_EQ(games.error().kind(), kind) << id.toStdString();
        EXPECT_EQ(games.error().code(), code) << id.toStdString();
        // Every failure says what went wrong.
        EXPECT_FALSE(games.error().errorDescription().isEmpty()) << id.toStdString();
    }
}

TEST_F(ESPNAPIServiceFaultTest, NotFoundAndServerErrorsAreHttpErrorsAndAreNotCached) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto games = scoreboard("nhl");
        ASSERT_FALSE(games.ok());
        EXPECT_EQ(games.error(), APIError::httpError(404));
        EXPECT_EQ(games.error().errorDescription(), u"HTTP error: 404");
    }
    EXPECT_EQ(requestsOf("hockey/nhl/scoreboard"), 2);

    // Nor is a server error; the good reply after it is stored.
    EXPECT_EQ(scoreboard("epl").error(), APIError::httpError(503));
    EXPECT_TRUE(scoreboard("epl").ok());
    EXPECT_TRUE(scoreboard("epl").ok());
    EXPECT_EQ(requestsOf("soccer/eng.1/scoreboard"), 2);
}

TEST_F(ESPNAPIServiceTest, ReplyBeyondTheBodyLimitIsAnErrorOfItsOwnLoggedAndNotCached) {
    service->setBodyLimit(1000);
    LogCapture log;
    const auto games = scoreboard("nba");
    ASSERT_FALSE(games.ok());
    EXPECT_EQ(games.error(), APIError::responseTooLarge());
    EXPECT_EQ(games.error().errorDescription(), u"Response too large");
    EXPECT_EQ(log.warnings().size(), 1);
    EXPECT_FALSE(cache.lookup(standin.apiBase() + "/basketball/nba/scoreboard").has_value());

    service->setBodyLimit(ESPNAPIService::defaultBodyLimit);
    EXPECT_TRUE(scoreboard("nba").ok());
}

TEST(ESPNAPIServiceLargeReplyTest, AReplyOfManySlicesIsReadWholeAndInOrder) {
    // About 3 MB, so that the body is taken out of the reply in several pieces; as many games as a
    // scoreboard keeps.
    constexpr int eventCount = 1000;
    QByteArray events;
    const QByteArray padding(3000, 'x');
    for (int i = 0; i < eventCount; ++i) {
        events += (i ? R"(,{"id": ")" : R"({"id": ")") + QByteArray::number(i) + R"(", "padding": ")" +
                  padding +
                  R"(", "date": "2026-09-13T17:00Z", "competitions": [{"competitors": [
            {"homeAway": "home", "team": {"id": "1", "displayName": "Home"}},
            {"homeAway": "away", "team": {"id": "2", "displayName": "Away"}}]}]})";
    }
    QTemporaryDir directory;
    QFile scenario(directory.filePath("large.json"));
    ASSERT_TRUE(scenario.open(QIODevice::WriteOnly));
    scenario.write(R"({"description": "One large league.", "leagues": {"football/nfl": {"events": [)" +
                   events + "]}}}");
    scenario.close();
    StandinProcess standin(scenario.fileName());
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ESPNAPIService service(cache, clock, standin.apiBase(), 10s);

    const auto games = gamesOf(await(service.fetchLiveScoreboard(leagueWithId("nfl"))));
    ASSERT_TRUE(games.ok()) << games.error().errorDescription().toStdString();
    ASSERT_EQ(games.value().size(), eventCount);
    for (int i = 0; i < eventCount; ++i)
        ASSERT_EQ(games.value().at(i).id, QString::number(i));
}

TEST_F(ESPNAPIServiceFaultTest, StalledAndTricklingRepliesEndInATimeOutAtTheDeadlineFromTheirStart) {
    ESPNAPIService stalled(cache, clock, standin.apiBase(), 300ms);
    expectTimedOutAndUncached(await(stalled.fetchScoreboard(leagueWithId("wnba"))),
                              "/basketball/wnba/scoreboard");
    // A byte every 0.2 s never leaves the line silent for long, but the whole reply takes minutes.
    ESPNAPIService trickling(cache, clock, standin.apiBase(), 1s);
    expectTimedOutAndUncached(await(trickling.fetchTeams(leagueWithId("wnba"))),
                              "/basketball/wnba/teams?limit=50");
}

// The first of two live scoreboard requests stalls and is answered last. It went out before the wall clock
// was set back two hours, so its wall stamp reads later than the quicker one's: still, the quicker one's
// later score is what both return and what the cache holds.
TEST(ESPNAPIServiceOrderTest, ASlowAnswerSentBeforeTheWallClockWasSetBackNeverReplacesANewerOne) {
    StandinProcess standin(
        QStringLiteral("default.json"), 0,
        {"--fault",
         R"({"path": "/apis/site/v2/sports/basketball/nba/scoreboard", "stallSeconds": 1, "times": 1})"});
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ESPNAPIService service(cache, clock, standin.apiBase(), 10s);
    const League nba = leagueWithId("nba");
    const auto lakersScore = [](const ServiceResult<Scoreboard>& scoreboard) -> qint64 {
        if (!scoreboard.ok())
            return -1;
        for (const Game& game : scoreboard.value().games) {
            if (game.id == "401810001")
                return game.homeScore;
        }
        return -2;
    };

    auto slow = service.fetchLiveScoreboard(nba);
    ASSERT_TRUE(spinUntil(
        [&] { return standin.requestCount("/apis/site/v2/sports/basketball/nba/scoreboard") == 1; }));
    standin.advance(20); // the Lakers score: 98 to 100
    clock.stepWallClock(-2h);
    clock.advanceSeconds(1);
    EXPECT_EQ(lakersScore(await(service.fetchLiveScoreboard(nba))), 100);
    EXPECT_EQ(lakersScore(await(std::move(slow))), 100);
    EXPECT_EQ(lakersScore(await(service.fetchScoreboard(nba))), 100);
    EXPECT_EQ(standin.totalRequests(), 2);
}

TEST(ESPNAPIServiceStreamTest, ReplyWithoutALengthIsCutOffAtTheLimitEvenWhileTheLoopIsBusy) {
    StandinProcess standin(
        QStringLiteral("default.json"), 0,
        {"--fault", R"({"path": "/apis/site/v2/sports/basketball/nba/scoreboard", "streamSeconds": 30})"});
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ESPNAPIService service(cache, clock, standin.apiBase(), 10s);
    service.setBodyLimit(1024 * 1024);
    LogCapture log;
    auto fetch = service.fetchScoreboard(leagueWithId("nba"));
    // The GUI thread busy elsewhere meanwhile: the network must not read on without it.
    QThread::msleep(500);
    const auto games = await(std::move(fetch));
    ASSERT_FALSE(games.ok());
    EXPECT_EQ(games.error(), APIError::responseTooLarge());
    // The limit, a small read buffer and the sockets' own buffers: far less than what the stand-in could
    // send in that time.
    EXPECT_LT(standin.streamedBytes(), 24 * 1024 * 1024);
}

TEST(ESPNAPIServiceStreamTest, ScoresGetThroughWhileEveryPictureOfTheirHostTrickles) {
    StandinProcess standin(QStringLiteral("default.json"), 0,
                           {"--fault", R"({"path": "/i/*", "trickleSeconds": 1})"});
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    QNetworkAccessManager network;
    ImageLoader pictures(clock, picturesOf(standin), nullptr, &network);
    const QString host = standin.apiBase().section(QStringLiteral("/apis/"), 0, 0);
    for (int logo = 0; logo < 12; ++logo)
        pictures.load(QUrl(host + QStringLiteral("/i/teamlogos/%1.png").arg(logo)));
    ESPNAPIService service(cache, clock, standin.apiBase(), 3s, &network);
    for (const char* id : {"nba", "nfl", "nhl"}) {
        const auto games = await(service.fetchScoreboard(leagueWithId(id)));
        EXPECT_TRUE(games.ok()) << id;
    }
}

// A reply of thousands of teams is cut where it is mapped, to what the request asked for: the first ones in
// the reply's order, and the log says how many went.
TEST(ESPNAPIServiceManyTeamsTest, ATeamListKeepsAtMostTheTeamsItAskedForInTheReplysOrder) {
    StandinProcess healthy(QStringLiteral("faults.json"));
    StandinProcess hostile(QStringLiteral("faults.json"), 0,
                           {"--fault", R"({"path": "/apis/*", "manyTeams": 5000})"});
    ASSERT_TRUE(healthy.isRunning()) << healthy.startupError().toStdString();
    ASSERT_TRUE(hostile.isRunning()) << hostile.startupError().toStdString();
    ManualClock clock;
    CacheService healthyCache{clock};
    CacheService hostileCache{clock};
    ESPNAPIService healthyService(healthyCache, clock, healthy.apiBase(), 10s);
    ESPNAPIService hostileService(hostileCache, clock, hostile.apiBase(), 10s);

    for (const auto& [leagueId, limit] : {std::pair{"nfl", 50}, std::pair{"ncaaf", 400}}) {
        const ServiceResult<QList<Team>> own = await(healthyService.fetchTeams(leagueWithId(leagueId)));
        LogCapture log;
        const ServiceResult<QList<Team>> many = await(hostileService.fetchTeams(leagueWithId(leagueId)));
        ASSERT_TRUE(own.ok() && many.ok()) << leagueId;
        ASSERT_FALSE(own.value().isEmpty()) << leagueId;
        EXPECT_EQ(many.value().size(), limit) << leagueId;
        QStringList names;
        for (const Team& team : many.value())
            names.append(team.name);
        QStringList expected;
        for (const Team& team : own.value())
            expected.append(team.name);
        for (int made = 1; expected.size() < limit; ++made)
            expected.append(QStringLiteral("Team %1").arg(made));
        EXPECT_EQ(names, expected) << "the league's own teams first, then made-up ones in order";
        const QString abbreviation = leagueWithId(leagueId).abbreviation;
        EXPECT_EQ(
            log.matching("Team list of " + abbreviation),
            QStringList{QStringLiteral("warning API: Team list of %1 brought 5000 teams; kept the first "
                                       "%2 and dropped %3")
                            .arg(abbreviation)
                            .arg(limit)
                            .arg(5000 - limit)});
    }
}

// Every refresh maps a league's oversized scoreboard again, every 3 s while a pinned game is live: the log
// says what the bound left out once for each league, and again only when that number changes.
TEST(ESPNAPIServiceManyGamesTest, WhatTheBoundLeftOutIsLoggedOncePerLeagueUntilItChanges) {
    const QString scoreboard = QStringLiteral("/apis/site/v2/sports/%1/scoreboard");
    const auto manyGames = [&](const char* league, int count, int times) {
        return QStringLiteral(R"({"path": "%1", "manyGames": %2, "times": %3})")
            .arg(scoreboard.arg(QLatin1String(league)))
            .arg(count)
            .arg(times);
    };
    StandinProcess standin(QStringLiteral("default.json"), 0,
                           {"--fault", manyGames("basketball/nba", 1500, 3), "--fault",
                            manyGames("basketball/nba", 1200, -1), "--fault",
                            manyGames("hockey/nhl", 1500, -1)});
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ESPNAPIService service(cache, clock, standin.apiBase(), 10s);
    LogCapture log;
    const auto fetch = [&](const char* leagueId, int times) {
        for (int fetched = 0; fetched < times; ++fetched) {
            const ServiceResult<Scoreboard> games =
                await(service.fetchLiveScoreboard(leagueWithId(leagueId)));
            ASSERT_TRUE(games.ok()) << leagueId;
            EXPECT_EQ(games.value().games.size(), 1000) << leagueId;
        }
    };
    const QString leftOut =
        QStringLiteral("warning API: %1 scoreboard: kept its first 1000 games and left out %2 "
                       "further events");

    fetch("nba", 3);
    fetch("nhl", 2);
    fetch("nba", 2);
    EXPECT_EQ(
        log.matching("kept its first"),
        (QStringList{leftOut.arg("NBA").arg(500), leftOut.arg("NHL").arg(500), leftOut.arg("NBA").arg(200)}));
}

namespace {

// The stand-in's options for a fault on the NBA scoreboard with `members` (a JSON object's members).
QStringList nbaScoreboardFault(const char* members) {
    return {QStringLiteral("--fault"),
            QStringLiteral(R"({"path": "/apis/site/v2/sports/basketball/nba/scoreboard", %1})")
                .arg(QLatin1String(members))};
}

// A fetch run to its end, with how long it took on the wall clock.
struct TimedFetch {
    ServiceResult<Scoreboard> result;
    qint64 milliseconds;
};

TimedFetch timedScoreboard(ESPNAPIService& service, const QString& leagueId) {
    QElapsedTimer elapsed;
    elapsed.start();
    ServiceResult<Scoreboard> result = await(service.fetchScoreboard(leagueWithId(leagueId)));
    return {std::move(result), elapsed.elapsed()};
}

} // namespace

// A gzip stream of a megabyte that inflates to a gibibyte: the network reports it within milliseconds, and
// the request ends then, not at its deadline, so that the next refresh asks again on time.
TEST(ESPNAPIServiceHostileReplyTest, AScoreboardThatInflatesToAGibibyteFailsAsSoonAsTheNetworkSaysSo) {
    StandinProcess standin(QStringLiteral("default.json"), 0, nbaScoreboardFault(R"("gzipBomb": 1024)"));
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ESPNAPIService service(cache, clock, standin.apiBase(), 8s);
    LogCapture log;

    const TimedFetch bomb = timedScoreboard(service, "nba");
    ASSERT_FALSE(bomb.result.ok());
    EXPECT_EQ(bomb.result.error().kind(), APIError::Kind::transportError);
    EXPECT_NE(bomb.result.error().code(), QNetworkReply::OperationCanceledError) << "not a time-out";
    EXPECT_LT(bomb.milliseconds, 3000) << "the deadline is 8 s";
    EXPECT_FALSE(cache.get(standin.apiBase() + "/basketball/nba/scoreboard").has_value());
    EXPECT_TRUE(log.matching("Internal problem").isEmpty()) << log.messages.join('\n').toStdString();
    EXPECT_TRUE(timedScoreboard(service, "nfl").result.ok());
}

// The headers may take the whole deadline, as a slow link's do, but no longer.
TEST(ESPNAPIServiceHostileReplyTest, AReplyWhoseHeadersNeverEndIsGivenUpAtTheDeadline) {
    // A megabyte a second.
    StandinProcess standin(QStringLiteral("default.json"), 0,
                           nbaScoreboardFault(R"("endlessHeader": 1000000)"));
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ESPNAPIService service(cache, clock, standin.apiBase(), 7s);

    const TimedFetch endless = timedScoreboard(service, "nba");
    ASSERT_FALSE(endless.result.ok());
    EXPECT_EQ(endless.result.error().kind(), APIError::Kind::transportError);
    EXPECT_EQ(endless.result.error().code(), QNetworkReply::OperationCanceledError);
    EXPECT_GE(endless.milliseconds, 6500);
    EXPECT_LT(endless.milliseconds, 10000) << "the deadline is 7 s";
    EXPECT_FALSE(cache.get(standin.apiBase() + "/basketball/nba/scoreboard").has_value());
}

// Pictures and scores wired as the application wires them: the pictures on their manager, and the service on
// the shared one. Four pictures whose headers never end (as many as download at once) keep a network
// thread busy reading them a byte at a time; the scores arrive as quickly as ever meanwhile.
TEST(ESPNAPIServiceHostileReplyTest, PicturesWhoseHeadersNeverEndDoNotHoldTheScoresBack) {
    std::optional<StandinProcess> endlessHeaders(
        std::in_place, QStringLiteral("default.json"), 0,
        QStringList{"--fault", R"({"path": "/i/*", "endlessHeader": true})"});
    StandinProcess& standin = *endlessHeaders;
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ImageLoader pictures(Clock::system(), picturesOf(standin), nullptr, &pictureNetworkAccess());
    const QString host = standin.apiBase().section(QStringLiteral("/apis/"), 0, 0);
    QList<QUrl> endless;
    for (int logo = 0; logo < 4; ++logo)
        endless.append(QUrl(host + QStringLiteral("/i/endless/%1.png").arg(logo)));
    for (const QUrl& url : std::as_const(endless))
        pictures.load(url);
    ASSERT_TRUE(spinUntil([&] { return standin.totalRequests() == 4; }));
    spinUntil([] { return false; }, 500ms); // their headers pour in

    ESPNAPIService service(cache, clock, standin.apiBase(), 6s, &sharedNetworkAccess());
    for (const char* id : {"nba", "nfl", "nhl"}) {
        const TimedFetch scores = timedScoreboard(service, id);
        EXPECT_TRUE(scores.result.ok()) << id;
        EXPECT_LT(scores.milliseconds, 2000) << id;
    }
    EXPECT_TRUE(spinUntil(
        [&] {
            return std::ranges::none_of(
                endless, [&](const QUrl& url) { return pictures.state(url) == ImageLoader::State::Loading; });
        },
        20s));
    // The shared loader outlives the test, and its network thread reads on what those headers left in the
    // sockets for seconds after their server has gone: the next test's pictures would wait for it. Done
    // once a logo of another server loads.
    endlessHeaders.reset();
    const StandinProcess healthy;
    ImageLoader healthyPictures(Clock::system(), picturesOf(healthy), nullptr, &pictureNetworkAccess());
    const QUrl logo(healthy.apiBase().section(QStringLiteral("/apis/"), 0, 0) +
                    QStringLiteral("/i/teamlogos/nba/500/bos.png"));
    healthyPictures.load(logo);
    EXPECT_TRUE(spinUntil([&] { return healthyPictures.state(logo) == ImageLoader::State::Loaded; }, 60s));
}

TEST(ESPNAPIServiceHostileReplyTest, CookiesThatRepliesSetAreNeverSentBack) {
    StandinProcess standin(QStringLiteral("default.json"), 0,
                           {"--fault", R"({"path": "/*", "cookies": 50})"});
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock;
    CacheService cache{clock};
    ESPNAPIService ownManager(cache, clock, standin.apiBase(), 5s);
    ESPNAPIService sharedManager(cache, clock, standin.apiBase(), 5s, &sharedNetworkAccess());
    for (ESPNAPIService* service : {&ownManager, &sharedManager}) {
        for (const char* id : {"nba", "nfl"})
            EXPECT_TRUE(await(service->fetchLiveScoreboard(leagueWithId(id))).ok()) << id;
    }
    ImageLoader pictures(clock, picturesOf(standin), nullptr, &pictureNetworkAccess());
    const QString host = standin.apiBase().section(QStringLiteral("/apis/"), 0, 0);
    for (const char* logo : {"/i/teamlogos/nba/500/bos.png", "/i/teamlogos/nba/500/lal.png"}) {
        const QUrl url(host + QLatin1String(logo));
        pictures.load(url);
        EXPECT_TRUE(spinUntil([&] { return pictures.state(url) == ImageLoader::State::Loaded; })) << logo;
    }
    EXPECT_EQ(standin.totalRequests(), 6);
    EXPECT_EQ(standin.cookieRequests(), 0);
}
