// What one pinned refresh of a small scoreboard costs the application: the CPU time of every thread of this
// process (GUI, network and mapping) per uncached fetch and mapping of the stand-in's three-game basketball
// scoreboard. The stand-in runs in a process of its own, so its time is not counted. Prints "small scoreboard
// reply cpu ms" after the table; asserts nothing.
#include "BenchFigures.h"
#include "StandinProcess.h"
#include "service/ESPNAPIService.h"

#include <QCoroTask>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

QCoro::Task<> fetchSmall(ESPNAPIService& service, const League& league) {
    const ServiceResult<Scoreboard> games = co_await service.fetchLiveScoreboard(league);
    if (!games.ok() || games.value().games.isEmpty())
        qWarning("the stand-in's scoreboard did not map");
}

void BM_SmallScoreboardReply(benchmark::State& state) {
    const StandinProcess standin;
    if (!standin.isRunning()) {
        state.SkipWithError("the stand-in did not start");
        return;
    }
    CacheService cache;
    ESPNAPIService service(cache, Clock::system(), standin.apiBase());
    const League nba = League::withId("nba").value();
    const auto fetchOnce = [&] { QCoro::waitFor(fetchSmall(service, nba)); };
    fetchOnce(); // the connection and the mapping thread are set up once, as in a running application
    const double cpuBefore = processCpuMs();
    for (auto _ : state)
        fetchOnce();
    const double perReply = (processCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_reply"] = perReply;
    benchSummary()[QStringLiteral("small scoreboard reply cpu ms")] = perReply;
}

} // namespace

BENCHMARK(BM_SmallScoreboardReply)->Iterations(200)->Unit(benchmark::kMillisecond);
