#include "GalleryRegistry.h"
#include "GallerySamples.h"
#include "OverlayGallery.h"

#include "notch/panels/OverlayPanelFrame.h"
#include "notch/panels/TeamColors.h"

#include <QPainter>

namespace {

Game teamGame(GameStatus status = GameStatus::inProgress, qint64 away = 2, qint64 home = 3) {
    Game game;
    game.id = "401";
    game.league = *League::withId("nhl");
    game.awayTeam = galleryTeam("BOS", "Boston Harbors", "007A33", "nhl");
    game.homeTeam = galleryTeam("NYR", "New York Rivers", "0038A8", "nhl");
    game.status = status;
    game.awayScore = away;
    game.homeScore = home;
    game.period = "2nd";
    game.clock = "12:41";
    game.startTime = galleryNow.toUTC().addSecs(5400);
    return game;
}

Game withAdvantage(Game game, bool away) {
    game.situations = GameSituation{};
    game.situations->advantageTeamId = away ? game.awayTeam.id : game.homeTeam.id;
    return game;
}

Game raceGame(GameStatus status) {
    Game game = galleryRace("600", galleryTeam("MON", "Monaco Grand Prix", "E10600", "f1", false), status,
                            "Circuit of the Harbour");
    game.period = "Lap 34/78";
    if (status == GameStatus::final_) {
        RaceDriver leader;
        leader.id = "1";
        leader.position = 1;
        leader.name = "Alex Fastwood";
        leader.shortName = "FAS";
        game.raceStandings = QList<RaceDriver>{leader};
    }
    return game;
}

QImage render(const OverlayPanelFrame& frame) {
    const OverlaySections sections = overlaySections(frame.presentation, frame.card, frame.width);
    return renderPainted(QSize(440, int(frame.height) + 16), galleryDesktop, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(220, 0);
        paintOverlayPanel(painter, frame, sections, 0);
    });
}

QImage atRest(const OverlayInputs& inputs, const std::optional<ScoreEvent>& event = std::nullopt) {
    return render(OverlayPanelFrame::atRest(inputs, event, galleryNow));
}

QImage hovered(const Game& game) {
    OverlayPanelFrame frame = OverlayPanelFrame::atRest(barShowing(game), std::nullopt, galleryNow);
    frame.compact = CompactRowContent::make(game, true);
    return render(frame);
}

QImage celebration(bool home, CelebrationPhase phase) {
    const Game game = teamGame(GameStatus::inProgress, home ? 2 : 3, home ? 4 : 3);
    ScoreEvent event = scoreEventFor(game, home, home ? 2 : 1);
    if (!home)
        event.playText =
            QStringLiteral("Goal by J. Harbour from the left circle, assisted by M. Quay and T. Dock");
    OverlayInputs inputs = barShowing(game);
    inputs.isScoreChangeExpanded = true;
    inputs.hasScoreEvent = true;
    inputs.celebrationPhase = phase;
    OverlayPanelFrame frame = OverlayPanelFrame::atRest(inputs, event, galleryNow);
    if (phase == CelebrationPhase::flushUp) {
        // Half-way up: at rest the logo has already gone.
        frame.celebrationFrame.logoOffsetY = CelebrationContent::flushUpOffset / 3;
        frame.celebrationFrame.logoOpacity = 0.6;
    }
    return render(frame);
}

QImage expanded(const Game& game, const std::optional<ScoreEvent>& event = std::nullopt) {
    OverlayInputs inputs = barShowing(game);
    inputs.isHovered = true;
    inputs.hasScoreEvent = event.has_value();
    return atRest(inputs, event);
}

Game inBreak(GameStatus status, const QString& period) {
    Game game = teamGame(status);
    game.period = period;
    game.clock.reset();
    return game;
}

const GalleryStateRegistration compactTeam{"compact-team-game",
                                           [] { return atRest(barShowing(teamGame())); }};
const GalleryStateRegistration compactAway{
    "compact-live-away-advantage", [] { return atRest(barShowing(withAdvantage(teamGame(), true))); }};
const GalleryStateRegistration compactHome{
    "compact-live-home-advantage", [] { return atRest(barShowing(withAdvantage(teamGame(), false))); }};
const GalleryStateRegistration compactRaceLive{
    "compact-racing-live", [] { return atRest(barShowing(raceGame(GameStatus::inProgress))); }};
const GalleryStateRegistration compactRaceFinal{
    "compact-racing-final-leader", [] { return atRest(barShowing(raceGame(GameStatus::final_))); }};
const GalleryStateRegistration compactRaceScheduled{
    "compact-racing-scheduled", [] { return atRest(barShowing(raceGame(GameStatus::scheduled))); }};
const GalleryStateRegistration compactHovered{"compact-hovered",
                                              [] { return hovered(withAdvantage(teamGame(), true)); }};
const GalleryStateRegistration hiddenBar{"hidden-bar", [] {
                                             OverlayInputs inputs = barShowing(teamGame());
                                             inputs.isBarVisible = false;
                                             return atRest(inputs);
                                         }};

#define CELEBRATION_STATES(side, home)                                                                       \
    const GalleryStateRegistration side##FlushDown{                                                          \
        "celebration-" #side "-flush-down", [] { return celebration(home, CelebrationPhase::flushDown); }};  \
    const GalleryStateRegistration side##LogoOnly{                                                           \
        "celebration-" #side "-logo-only", [] { return celebration(home, CelebrationPhase::logoOnly); }};    \
    const GalleryStateRegistration side##Points{                                                             \
        "celebration-" #side "-logo-and-points",                                                             \
        [] { return celebration(home, CelebrationPhase::logoAndPoints); }};                                  \
    const GalleryStateRegistration side##Return{"celebration-" #side "-logo-return", [] {                    \
                                                    return celebration(home, CelebrationPhase::logoReturn);  \
                                                }};                                                          \
    const GalleryStateRegistration side##FlushUp{                                                            \
        "celebration-" #side "-flush-up", [] { return celebration(home, CelebrationPhase::flushUp); }};      \
    const GalleryStateRegistration side##ShowExpanded{                                                       \
        "celebration-" #side "-show-expanded",                                                               \
        [] { return celebration(home, CelebrationPhase::showExpanded); }};
CELEBRATION_STATES(home, true)
CELEBRATION_STATES(away, false)
#undef CELEBRATION_STATES

const GalleryStateRegistration expandedLive{"expanded-live",
                                            [] { return expanded(withAdvantage(teamGame(), false)); }};
const GalleryStateRegistration expandedTimeout{
    "expanded-break-timeout", [] { return expanded(inBreak(GameStatus::inProgress, "Timeout")); }};
const GalleryStateRegistration expandedHalftime{
    "expanded-break-halftime", [] { return expanded(inBreak(GameStatus::halftime, "Half")); }};
const GalleryStateRegistration expandedEndOfPeriod{
    "expanded-break-end-of-period", [] { return expanded(inBreak(GameStatus::endOfPeriod, "End 2nd")); }};
const GalleryStateRegistration expandedIntermission{
    "expanded-break-intermission",
    [] { return expanded(inBreak(GameStatus::inProgress, "2nd Intermission")); }};
const GalleryStateRegistration expandedDelay{
    "expanded-break-delay", [] { return expanded(inBreak(GameStatus::inProgress, "Rain delay")); }};
const GalleryStateRegistration expandedScheduled{
    "expanded-scheduled", [] { return expanded(teamGame(GameStatus::scheduled, 0, 0)); }};
const GalleryStateRegistration expandedFinal{"expanded-final",
                                             [] { return expanded(teamGame(GameStatus::final_)); }};
const GalleryStateRegistration expandedPostponed{
    "expanded-postponed", [] { return expanded(teamGame(GameStatus::postponed, 0, 0)); }};
const GalleryStateRegistration expandedLastScore{"expanded-last-score", [] {
                                                     const Game game = teamGame(GameStatus::inProgress, 3, 3);
                                                     return expanded(game, scoreEventFor(game, false, 1));
                                                 }};
// A long abbreviation away and one with a line break at home: each stays on its own side, on one line.
Game unrulyNames() {
    Game game = withAdvantage(teamGame(), false);
    game.awayTeam.abbreviation = galleryUnrulyText("BOS", 260);
    game.homeTeam.abbreviation = QStringLiteral("NY\r\nRIV");
    return game;
}
const GalleryStateRegistration compactLongNames{"compact-hovered-long-names",
                                                [] { return hovered(unrulyNames()); }};
const GalleryStateRegistration expandedLongNames{"expanded-long-names", [] {
                                                     const Game game = unrulyNames();
                                                     ScoreEvent event = scoreEventFor(game, true, 1);
                                                     event.playText = galleryUnrulyText("Goal", 300);
                                                     return expanded(game, event);
                                                 }};
const GalleryStateRegistration celebrationLongText{
    "celebration-long-play-text", [] {
        const Game game = teamGame();
        ScoreEvent event = scoreEventFor(game, false, 1);
        event.playText = galleryUnrulyText("Goal", 400);
        OverlayInputs inputs = barShowing(game);
        inputs.isScoreChangeExpanded = true;
        inputs.hasScoreEvent = true;
        inputs.celebrationPhase = CelebrationPhase::logoOnly;
        return render(OverlayPanelFrame::atRest(inputs, event, galleryNow));
    }};

const GalleryStateRegistration deepStrip{"deep-action-strip", [] {
                                             OverlayInputs inputs = barShowing(teamGame());
                                             inputs.isHovered = true;
                                             inputs.isDeepExpanded = true;
                                             return atRest(inputs);
                                         }};

} // namespace
