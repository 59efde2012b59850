// What one overlay frame costs to paint off screen (the compact bar, the expanded card and a celebration
// frame), against the 16.7 ms of a 60 Hz display; and how long a pinned game's new score takes, once the
// application state has it, to reach the end of the overlay's next paint. Prints figures; asserts nothing.
#include "BenchFigures.h"

#include "OfflineAppState.h"

#include "notch/panels/OverlayPanelFrame.h"
#include "notch/panels/TeamColors.h"
#include "notch/state/NotchViewModel.h"
#include "notch/window/NotchOverlayView.h"
#include "notch/window/OverlayNotifications.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

Game benchGame(qint64 home = 3) {
    Game game;
    game.id = "401";
    game.league = *League::withId("nba");
    game.awayTeam.id = "2";
    game.awayTeam.abbreviation = "BOS";
    game.awayTeam.primaryColor = "007A33";
    game.homeTeam.id = "13";
    game.homeTeam.abbreviation = "LAL";
    game.homeTeam.primaryColor = "552583";
    game.status = GameStatus::inProgress;
    game.awayScore = 2;
    game.homeScore = home;
    game.period = "4th";
    game.clock = "1:12";
    game.situations = GameSituation{};
    game.situations->advantageTeamId = "13";
    game.situations->lastPlayText = "Three-point jumper from the left wing";
    return game;
}

OverlayPanelFrame frameFor(OverlayState state) {
    const Game game = benchGame();
    OverlayInputs inputs;
    inputs.displayedGame = game;
    inputs.isBarVisible = true;
    std::optional<ScoreEvent> event;
    if (state == OverlayState::Expanded)
        inputs.isHovered = true;
    if (state == OverlayState::Celebration) {
        event = ScoreEvent{"LAL", teamColorOrGrey("552583"), 3, game.situations->lastPlayText, game.homeTeam,
                           true};
        inputs.isScoreChangeExpanded = inputs.hasScoreEvent = true;
        inputs.celebrationPhase = CelebrationPhase::logoAndPoints;
    }
    return OverlayPanelFrame::atRest(inputs, event, QDateTime::currentDateTime());
}

void paintFrame(benchmark::State& state, OverlayState overlayState, const char* figure) {
    const OverlayPanelFrame frame = frameFor(overlayState);
    const OverlaySections sections = overlaySections(frame.presentation, frame.card, frame.width);
    QImage image(440, 200, QImage::Format_ARGB32_Premultiplied);
    double totalMs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(220, 0);
        paintOverlayPanel(painter, frame, sections, 0);
        painter.end();
        totalMs += double(timer.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(image.constBits());
    }
    const double ms = totalMs / double(state.iterations());
    benchSummary()[QStringLiteral("overlay frame ms (%1)").arg(figure)] = ms;
    double& slowest = benchSummary()[QStringLiteral("frame budget ratio")];
    slowest = std::max(slowest, ms / 16.7);
}

void BM_OverlayFrameCompact(benchmark::State& state) {
    paintFrame(state, OverlayState::Compact, "compact bar");
}
void BM_OverlayFrameExpanded(benchmark::State& state) {
    paintFrame(state, OverlayState::Expanded, "expanded card");
}
void BM_OverlayFrameCelebration(benchmark::State& state) {
    paintFrame(state, OverlayState::Celebration, "celebration");
}

// A new score published by the application state, through the view model's queued delivery and the view's
// refresh, to the end of the repaint that shows it.
void BM_ReplyToPaint(benchmark::State& state) {
    OfflineAppState app;
    OverlayNotificationCenter center;
    NotchOverlayView view(false,
                          new NotchViewModel(app.state(), app.scores(), app.preferences(), app.clock()),
                          app.state(), app.clock(), center);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(440, 680);
    view.show();
    // Only a paint after the view model has taken the new score counts.
    struct PaintWatch : QObject {
        bool armed = false;
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            painted = painted || (armed && event->type() == QEvent::Paint);
            return false;
        }
    } watch;
    view.installEventFilter(&watch);
    QObject::connect(&view.viewModel(), &NotchViewModel::displayedGameChanged, &watch,
                     [&watch] { watch.armed = true; });
    qint64 score = 0;
    app.state().setPinnedGames({benchGame(score)});
    QElapsedTimer opening; // the bar slides open first
    opening.start();
    while (opening.elapsed() < 1000)
        QApplication::processEvents();
    double totalMs = 0;
    for (auto _ : state) {
        watch.painted = watch.armed = false;
        QElapsedTimer timer;
        timer.start();
        app.state().setPinnedGames({benchGame(++score)});
        while (!watch.painted && timer.elapsed() < 1000)
            QApplication::processEvents();
        totalMs += double(timer.nsecsElapsed()) / 1e6;
    }
    benchSummary()[QStringLiteral("reply to paint ms")] = totalMs / double(state.iterations());
}

} // namespace

BENCHMARK(BM_OverlayFrameCompact)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_OverlayFrameExpanded)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_OverlayFrameCelebration)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_ReplyToPaint)->Unit(benchmark::kMillisecond)->Iterations(20);
