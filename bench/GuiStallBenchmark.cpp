// How long the GUI thread stays away from its event loop while the client fetches and maps a scoreboard of
// 5,000 events from the stand-in. A 1 ms timer probes the loop; the longest gap between its ticks is the
// figure "gui stall ms 5000 events" printed after the table. Asserts nothing.
#include "BenchFigures.h"
#include "GeneratedEvents.h"
#include "StandinProcess.h"
#include "service/ESPNAPIService.h"

#include <QCoroTask>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int eventCount = 5000;

QString writeScenario(const QTemporaryDir& dir) {
    QByteArray events;
    for (int i = 0; i < eventCount; ++i)
        events += (i ? ",\n" : "") + generatedScoreboardEvent(i);
    const QString path = dir.filePath(QStringLiteral("five-thousand.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(
        R"({"description": "One league of 5000 live events.", "leagues": {"football/nfl": {"events": [)" +
        events + "]}}}");
    return path;
}

QCoro::Task<> fetchLarge(ESPNAPIService& service) {
    ServiceResult<Scoreboard> games = co_await service.fetchLiveScoreboard(League::withId("nfl").value());
    if (!games.ok() || games.value().games.size() != eventCount)
        qWarning("the 5000-event scoreboard did not map: %s",
                 games.ok() ? qPrintable(QString::number(games.value().games.size()))
                            : qPrintable(games.error().errorDescription()));
    // As a consumer dropping a list this large should: freeing 5000 games here would stall for longer than
    // the whole fetch.
    if (games.ok())
        service.release(std::move(games).value().games);
}

void BM_GuiStallWhileMappingALargeScoreboard(benchmark::State& state) {
    QTemporaryDir dir;
    const StandinProcess standin(writeScenario(dir));
    if (!standin.isRunning()) {
        state.SkipWithError("the stand-in did not start");
        return;
    }
    CacheService cache;
    ESPNAPIService service(cache, Clock::system(), standin.apiBase());
    // These generated events are richer than the service's: 5000 of them pass the usual body limit.
    service.setBodyLimit(ESPNAPIService::defaultBodyLimit * 4);
    double longest = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer probe;
        probe.setInterval(1);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            longest = std::max(longest, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        sinceTick.start();
        probe.start();
        QCoro::waitFor(fetchLarge(service));
    }
    state.counters["longest_gui_stall_ms"] = longest;
    benchSummary()[QStringLiteral("gui stall ms %1 events").arg(eventCount)] = longest;
}

} // namespace

BENCHMARK(BM_GuiStallWhileMappingALargeScoreboard)->Iterations(3)->Unit(benchmark::kMillisecond);
