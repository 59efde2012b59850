#include "service/ESPNAPIService.h"
#include "BuildInfo.h"
#include "ManualClock.h"
#include "MappingTestSupport.h"
#include "StandinProcess.h"
#include "TaskRunner.h"

#include <QCoroTask>
#include <QLocale>
#include <QNetworkReply>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::chrono_literals;

const QString sports = QStringLiteral("/apis/site/v2/sports/");

League league(const QString& id) {
    return League::withId(id).value();
}

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

// One stand-in per test; the client under test talks to nothing else.
class ESPNAPIServiceTest : public ::testing::Test {
protected:
    explicit ESPNAPIServiceTest(const QString& scenario = QStringLiteral("default.json"))
        : standin(scenario) {}

    void SetUp() override {
        ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
        service = std::make_unique<ESPNAPIService>(cache, clock, standin.apiBase(), 2s);
    }

    // Requests of one path since the test began.
    int requestsOf(const QString& target) const { return standin.requestCount(sports + target); }

    ManualClock clock;
    CacheService cache{clock};
    StandinProcess standin;
    std::unique_ptr<ESPNAPIService> service;
};

class ESPNAPIServiceFaultTest : public ESPNAPIServiceTest {
protected:
    ESPNAPIServiceFaultTest() : ESPNAPIServiceTest(QStringLiteral("faults.json")) {}
};

} // namespace

TEST_F(ESPNAPIServiceTest, CachedScoreboardAnswersWithoutRequestUntilItExpires) {
    const auto first = await(service->fetchScoreboard(league("nba")));
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.value().size(), 3);
    EXPECT_EQ(first.value().first().homeTeam.abbreviation, QStringLiteral("LAL"));
    // Requests name the application and its version.
    EXPECT_EQ(standin.stats().value(QLatin1String("userAgent")).toString(),
              QStringLiteral("Glimmerbox/") + QLatin1String(BuildInfo::version));

    clock.advanceSeconds(59.9);
    ASSERT_TRUE(await(service->fetchScoreboard(league("nba"))).ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard"), 1);

    clock.advanceSeconds(0.1);
    ASSERT_TRUE(await(service->fetchScoreboard(league("nba"))).ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard"), 2);
}

TEST_F(ESPNAPIServiceTest, LiveScoreboardAlwaysGoesToTheNetworkAndFollowsTheTimeline) {
    const auto before = await(service->fetchLiveScoreboard(league("nba")));
    standin.advance(25);
    const auto after = await(service->fetchLiveScoreboard(league("nba")));
    ASSERT_TRUE(before.ok() && after.ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard"), 2);
    EXPECT_EQ(before.value().first().homeScore, 98);
    EXPECT_EQ(after.value().first().homeScore, 100);
    EXPECT_EQ(after.value().first().clock, QStringLiteral("1:12"));
}

TEST_F(ESPNAPIServiceTest, DefaultScenarioMapsIntoGamesForEveryLeague) {
    const QList<std::pair<const char*, qsizetype>> expected{{"nba", 3}, {"nfl", 2}, {"nhl", 1},
                                                            {"epl", 2}, {"f1", 1},  {"atp", 2}};
    for (const auto& [id, count] : expected) {
        const auto games = await(service->fetchScoreboard(league(QString::fromLatin1(id))));
        ASSERT_TRUE(games.ok()) << id;
        EXPECT_EQ(games.value().size(), count) << id;
    }
    // The finished race weekend is only on its own day (scenario dates count from the stand-in's start).
    const auto race = await(service->fetchScoreboard(league("f1"), QDateTime::currentDateTime().addDays(-2)));
    ASSERT_TRUE(race.ok());
    ASSERT_EQ(race.value().size(), 1);
    EXPECT_EQ(race.value().first().status, GameStatus::final_);
    EXPECT_EQ(race.value().first().homeTeam.name, QStringLiteral("Lando Norris"));
}

TEST_F(ESPNAPIServiceTest, SummaryFetchedForTheDetailServesTheTopScorers) {
    const auto detail = await(service->fetchGameDetail(QStringLiteral("401810001"), league("nba")));
    ASSERT_TRUE(detail.ok());
    EXPECT_EQ(detail.value().game.awayTeam.abbreviation, QStringLiteral("BOS"));

    const auto scorers = await(service->fetchTopScorers(QStringLiteral("401810001"), league("nba")));
    ASSERT_TRUE(scorers.ok());
    ASSERT_EQ(scorers.value().size(), 2);
    EXPECT_EQ(scorers.value().at(0).playerName, QStringLiteral("LeBron James"));
    EXPECT_TRUE(scorers.value().at(0).isHome);
    EXPECT_EQ(scorers.value().at(1).playerName, QStringLiteral("Jayson Tatum"));
    EXPECT_EQ(requestsOf("basketball/nba/summary?event=401810001"), 1);
}

TEST_F(ESPNAPIServiceTest, GameIdIsPercentEncodedSoItCannotChangeTheQuery) {
    const auto detail =
        await(service->fetchGameDetail(QStringLiteral("401&event=401810001 #x"), league("nba")));
    EXPECT_EQ(requestsOf("basketball/nba/summary?event=401%26event%3D401810001%20%23x"), 1);
    // The stand-in read the whole id as one event, which it does not know.
    ASSERT_FALSE(detail.ok());
    EXPECT_EQ(detail.error(), APIError::httpError(404));
}

TEST_F(ESPNAPIServiceTest, UnknownLeagueIsFetchedUnderNfl) {
    League unknown = league("nba");
    unknown.id = QStringLiteral("xfl");
    EXPECT_EQ(ESPNAPIService::apiPath(unknown), QStringLiteral("football/nfl"));
    EXPECT_TRUE(await(service->fetchScoreboard(unknown)).ok());
    EXPECT_EQ(requestsOf("football/nfl/scoreboard"), 1);
}

TEST_F(ESPNAPIServiceTest, DatedScoreboardSendsTheLocalDayInAsciiDigits) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt)); // a locale with its own digits
    const QDateTime lateEvening(QDate(2026, 3, 14), QTime(23, 30), Qt::LocalTime);
    EXPECT_EQ(ESPNAPIService::dayParameter(lateEvening), QStringLiteral("20260314"));
    EXPECT_EQ(ESPNAPIService::dayParameter(QDateTime(QDate(987, 1, 2), QTime(12, 0), Qt::LocalTime)),
              QStringLiteral("09870102"));
    const auto games = await(service->fetchScoreboard(league("nba"), lateEvening));
    QLocale::setDefault(previous);

    ASSERT_TRUE(games.ok());
    EXPECT_EQ(requestsOf("basketball/nba/scoreboard?dates=20260314"), 1);
}

TEST_F(ESPNAPIServiceTest, TeamListsAskForFourHundredInCollegeLeaguesFiftyElsewhereAndNoneInTennis) {
    for (const char* id : {"atp", "wta"}) {
        const auto teams = await(service->fetchTeams(league(QString::fromLatin1(id))));
        ASSERT_TRUE(teams.ok());
        EXPECT_TRUE(teams.value().isEmpty());
    }
    EXPECT_EQ(standin.totalRequests(), 0);

    EXPECT_FALSE(await(service->fetchTeams(league("ncaaf"))).ok()); // not in this scenario: 404
    EXPECT_FALSE(await(service->fetchTeams(league("ncaam"))).ok());
    const auto nba = await(service->fetchTeams(league("nba")));
    ASSERT_TRUE(nba.ok());
    EXPECT_EQ(nba.value().size(), 7);
    EXPECT_EQ(requestsOf("football/college-football/teams?limit=400"), 1);
    EXPECT_EQ(requestsOf("basketball/mens-college-basketball/teams?limit=400"), 1);
    EXPECT_EQ(requestsOf("basketball/nba/teams?limit=50"), 1);
}

TEST_F(ESPNAPIServiceFaultTest, FailuresAreErrorValuesWithTheirKindAndCode) {
    const QString refusing = QStringLiteral("http://127.0.0.1:1/apis/site/v2/sports");
    const QList<std::tuple<QString, const char*, APIError::Kind, int>> cases{
        {QStringLiteral("no host here"), "nba", APIError::Kind::invalidURL, 0},
        {refusing, "nba", APIError::Kind::transportError, QNetworkReply::ConnectionRefusedError},
        {standin.apiBase(), "laliga", APIError::Kind::transportError, QNetworkReply::RemoteHostClosedError},
        {standin.apiBase(), "mls", APIError::Kind::parsingError, 0}, // an HTML page
        {standin.apiBase(), "mlb", APIError::Kind::parsingError, 0}, // malformed JSON
    };
    for (const auto& [base, id, kind, code] : cases) {
        ESPNAPIService client(cache, clock, base);
        const auto games = await(client.fetchScoreboard(league(QString::fromLatin1(id))));
        ASSERT_FALSE(games.ok()) << id;
        EXPECT_EQ(games.error().kind(), kind) << id;
        EXPECT_EQ(games.error().code(), code) << id;
        // A transport failure keeps Qt's own text.
        EXPECT_FALSE(games.error().errorDescription().isEmpty()) << id;
    }
}

TEST_F(ESPNAPIServiceFaultTest, NotFoundIsAnHttpErrorAndIsNotCached) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto games = await(service->fetchScoreboard(league("nhl")));
        ASSERT_FALSE(games.ok());
        EXPECT_EQ(games.error(), APIError::httpError(404));
        EXPECT_EQ(games.error().errorDescription(), QStringLiteral("HTTP error: 404"));
    }
    EXPECT_EQ(requestsOf("hockey/nhl/scoreboard"), 2);
}

TEST_F(ESPNAPIServiceFaultTest, ServerErrorLeavesTheCacheEmptyAndTheNextReplyIsStored) {
    const auto failed = await(service->fetchScoreboard(league("epl")));
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error(), APIError::httpError(503));
    EXPECT_TRUE(await(service->fetchScoreboard(league("epl"))).ok());
    EXPECT_TRUE(await(service->fetchScoreboard(league("epl"))).ok());
    EXPECT_EQ(requestsOf("soccer/eng.1/scoreboard"), 2);
}

TEST_F(ESPNAPIServiceFaultTest, StallEndsInATimeOutError) {
    ESPNAPIService impatient(cache, clock, standin.apiBase(), 300ms);
    const auto games = await(impatient.fetchScoreboard(league("wnba")));
    ASSERT_FALSE(games.ok());
    EXPECT_EQ(games.error().kind(), APIError::Kind::transportError);
    EXPECT_EQ(games.error().code(), QNetworkReply::OperationCanceledError);
    EXPECT_FALSE(cache.get(standin.apiBase() + QStringLiteral("/basketball/wnba/scoreboard")).has_value());
}

TEST_F(ESPNAPIServiceFaultTest, CollegeTeamListsAreMappedFromTheFourHundredRequest) {
    const auto teams = await(service->fetchTeams(league("ncaaf")));
    ASSERT_TRUE(teams.ok());
    EXPECT_EQ(teams.value().size(), 2);
    EXPECT_EQ(requestsOf("football/college-football/teams?limit=400"), 1);
}
