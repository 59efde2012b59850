// How long the overlay's game picker takes to open: its sections derived from six leagues of fifteen games
// each, its widgets built and its first frame painted off screen. Prints the figure; asserts nothing.

#include "BenchFigures.h"

#include "GalleryAppState.h"

#include "notch/picker/GamePickerView.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void fillSixLeagues(GalleryAppState& app) {
    const QStringList leagues{"nfl", "nba", "mlb", "nhl", "mls", "epl"};
    app.preferences().setEnabledLeagues(QSet<QString>(leagues.cbegin(), leagues.cend()));
    const QDateTime now = app.now();
    GamesByLeague games;
    for (const QString& id : leagues) {
        const League league = *League::withId(id);
        for (int i = 0; i < 15; ++i) {
            Game game;
            game.id = id + QString::number(i);
            game.league = league;
            game.homeTeam.abbreviation = QStringLiteral("H%1").arg(i);
            game.awayTeam.abbreviation = QStringLiteral("A%1").arg(i);
            game.homeTeam.primaryColor = QStringLiteral("1D428A");
            game.awayTeam.primaryColor = QStringLiteral("CE1141");
            game.status = i % 3 == 0 ? GameStatus::inProgress : GameStatus::scheduled;
            game.period = QStringLiteral("Q3");
            game.clock = QStringLiteral("4:12");
            game.startTime = now.addSecs(600 * i - 1800);
            games[id].append(game);
        }
    }
    app.state().setGames(games);
    app.state().setPinnedGames({games["nba"][0], games["nhl"][3]});
}

void BM_PickerOpen(benchmark::State& state) {
    GalleryAppState app;
    fillSixLeagues(app);
    double totalMs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        GamePickerView picker(app.state(), app.preferences(), app.state().clock(), [](const Game&) {});
        picker.setAttribute(Qt::WA_DontShowOnScreen);
        picker.resize(380, picker.sizeHint().height());
        picker.show();
        QImage frame(picker.size(), QImage::Format_ARGB32_Premultiplied);
        picker.render(&frame);
        totalMs += double(timer.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(frame.constBits());
    }
    benchSummary()[QStringLiteral("picker open ms")] = totalMs / double(state.iterations());
}

} // namespace

BENCHMARK(BM_PickerOpen)->Unit(benchmark::kMillisecond)->Iterations(20);
