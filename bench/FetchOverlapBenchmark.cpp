// How far the client's requests overlap: six leagues fetched together against the stand-in, whose replies
// each wait a fixed latency as over a real network, compared with the same six fetched one after another.
// Prints the figures; asserts nothing.

#include "StandinProcess.h"
#include "service/ESPNAPIService.h"

#include <QCoroTask>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int replyLatencyMs = 50;

const QStringList sixLeagues{QStringLiteral("nba"), QStringLiteral("nfl"), QStringLiteral("nhl"),
                             QStringLiteral("epl"), QStringLiteral("f1"),  QStringLiteral("atp")};

QCoro::Task<> fetchTogether(ESPNAPIService& service, const QList<League>& leagues) {
    std::vector<QCoro::Task<ServiceResult<Scoreboard>>> fetches;
    for (const League& league : leagues)
        fetches.push_back(service.fetchLiveScoreboard(league)); // each starts at once
    for (auto& fetch : fetches)
        co_await fetch;
}

QCoro::Task<> fetchOne(ESPNAPIService& service, League league) {
    co_await service.fetchLiveScoreboard(std::move(league));
}

double millisecondsOf(QCoro::Task<> task) {
    QElapsedTimer timer;
    timer.start();
    QCoro::waitFor(std::move(task));
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void BM_FetchOverlapSixLeagues(benchmark::State& state) {
    const StandinProcess standin(QStringLiteral("default.json"), 0,
                                 {QStringLiteral("--latency"), QString::number(replyLatencyMs)});
    if (!standin.isRunning()) {
        state.SkipWithError("the stand-in did not start");
        return;
    }
    CacheService cache;
    ESPNAPIService service(cache, Clock::system(), standin.apiBase());
    QList<League> leagues;
    for (const QString& id : sixLeagues)
        leagues.append(League::withId(id).value());

    double together = 0;
    double oneByOne = 0;
    for (auto _ : state) {
        const double total = millisecondsOf(fetchTogether(service, leagues));
        state.SetIterationTime(total / 1000.0);
        together += total;
        for (const League& league : leagues)
            oneByOne += millisecondsOf(fetchOne(service, league));
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["together_ms"] = together / iterations;
    state.counters["sum_of_single_ms"] = oneByOne / iterations;
    // 6 would be perfect overlap, 1 none.
    state.counters["overlap"] = oneByOne / together;
}

} // namespace

BENCHMARK(BM_FetchOverlapSixLeagues)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
