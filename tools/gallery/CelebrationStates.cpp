// The celebration as it moves (frames taken from its springs along the timeline), and the racing and score
// card states that show the least: a live race without a period, a finished race without standings, a live
// card with neither period nor clock.
#include "GalleryRegistry.h"
#include "GallerySamples.h"
#include "OverlayGallery.h"

#include "notch/panels/OverlayPanelFrame.h"
#include "notch/panels/RacingPanel.h"
#include "notch/state/CelebrationMotion.h"
#include "notch/state/CelebrationTimeline.h"

#include <QPainter>

#include <span>

namespace {

constexpr int panelWidth = 440;
constexpr int captionWidth = 150;

Game basketball(qint64 away, qint64 home) {
    Game game;
    game.id = "402";
    game.league = *League::withId("nba");
    game.awayTeam = galleryTeam("BOS", "Boston Harbors", "007A33");
    game.homeTeam = galleryTeam("LAL", "Los Angeles Canyons", "552583");
    game.status = GameStatus::inProgress;
    game.awayScore = away;
    game.homeScore = home;
    game.period = "4th";
    game.clock = "0:24";
    game.startTime = galleryNow.toUTC().addSecs(-7200);
    return game;
}

void paintPanel(QPainter& painter, const OverlayPanelFrame& frame, double top) {
    painter.save();
    painter.translate(captionWidth + panelWidth / 2.0, top);
    paintOverlayPanel(painter, frame, overlaySections(frame.presentation, frame.card, frame.width), 0);
    painter.restore();
}

void caption(QPainter& painter, double top, double height, const QString& text) {
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(8, top, captionWidth - 16, height), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The steps' names, in the order of CelebrationPhase.
const char* const phaseNames[] = {"none",       "flushDown", "logoOnly",    "logoAndPoints",
                                  "logoReturn", "flushUp",   "showExpanded"};

// Frames of one celebration with a play text, a few moments into each step, one under the other.
QImage celebrationFilm(bool home) {
    const Game game = home ? basketball(100, 102) : basketball(100, 100);
    ScoreEvent event = scoreEventFor(game, home, home ? 2 : 3);
    event.playText =
        home ? QStringLiteral("Austin Canyon makes driving layup")
             : QStringLiteral("Jay Harbour makes 26-foot three point jumper, assisted by D. Quay");
    const double moments[] = {0.04, 0.12, 0.25, 0.45};
    // Every step but the last, which leaves the celebration.
    const auto steps = std::span(celebrationTimeline).first(std::size(celebrationTimeline) - 1);
    const int rows = int(steps.size()) * int(std::size(moments));
    constexpr double rowHeight = OverlayPresentation::celebrationHeight + 10;
    return renderPainted(
        QSize(captionWidth + panelWidth, int(rows * rowHeight)), galleryDesktop, [&](QPainter& painter) {
            CelebrationMotion motion;
            double top = 0;
            for (const CelebrationStep& step : steps) {
                motion.enter(step.phase, CelebrationContent::make(step.phase, event), step.spring, step.at);
                OverlayInputs inputs = barShowing(game);
                inputs.isScoreChangeExpanded = true;
                inputs.hasScoreEvent = true;
                inputs.celebrationPhase = step.phase;
                for (const double after : moments) {
                    if (step.phase == CelebrationPhase::flushDown && after < 0.2)
                        continue; // nothing but the growing bar
                    OverlayPanelFrame frame = OverlayPanelFrame::atRest(inputs, event, galleryNow);
                    frame.celebrationFrame = motion.frameAt(step.at + after);
                    // Before the card opens the panel keeps the celebration's height.
                    if (!frame.presentation.celebration)
                        frame.sectionOpacity = std::min(1.0, after / 0.45);
                    paintPanel(painter, frame, top);
                    caption(painter, top, rowHeight - 10,
                            QStringLiteral("%1 +%2 s")
                                .arg(QLatin1String(phaseNames[int(step.phase)]))
                                .arg(after, 0, 'f', 2));
                    top += rowHeight;
                }
            }
        });
}

Game race(GameStatus status) {
    Game game = galleryRace("601", galleryTeam("MEL", "Harbour Grand Prix", "E10600", "f1", false), status,
                            "Harbour Park Circuit");
    game.startTime = galleryNow.toUTC().addSecs(-3 * 3600);
    return game;
}

// A race's compact bar, then its expanded header and column titles as the hovered panel shows them.
QImage racingStates(const Game& game) {
    RacingPanel expanded(RacingPanel::Part::expanded, game, galleryNow);
    const QSize panelSize = expanded.sizeHint();
    expanded.resize(panelSize);
    const double compactHeight = OverlayPresentation::compactHeight;
    return renderPainted(
        QSize(captionWidth + panelWidth, int(compactHeight + 12 + panelSize.height() + 16)), galleryDesktop,
        [&](QPainter& painter) {
            const OverlayPanelFrame compact =
                OverlayPanelFrame::atRest(barShowing(game), std::nullopt, galleryNow);
            paintPanel(painter, compact, 0);
            caption(painter, 0, compactHeight, QStringLiteral("compact bar"));
            const double top = compactHeight + 12;
            const double left = captionWidth + (panelWidth - panelSize.width()) / 2.0;
            painter.fillRect(QRectF(left, top, panelSize.width(), panelSize.height() + 10), Qt::black);
            expanded.render(&painter, QPoint(int(left), int(top)), QRegion(), QWidget::DrawChildren);
            caption(painter, top, panelSize.height(), QStringLiteral("expanded panel"));
        });
}

QImage cardWithoutPeriodOrClock() {
    Game game = basketball(88, 91);
    game.period.reset();
    game.clock.reset();
    game.league = *League::withId("nhl"); // a hockey game is in play, not in a timeout, without a situation
    OverlayInputs inputs = barShowing(game);
    inputs.isHovered = true;
    const OverlayPanelFrame frame = OverlayPanelFrame::atRest(inputs, std::nullopt, galleryNow);
    return renderPainted(QSize(captionWidth + panelWidth, int(frame.height) + 16), galleryDesktop,
                         [&](QPainter& painter) { paintPanel(painter, frame, 0); });
}

const GalleryStateRegistration awayFilm{"celebration-film-away-with-play-text",
                                        [] { return celebrationFilm(false); }};
const GalleryStateRegistration homeFilm{"celebration-film-home-with-play-text",
                                        [] { return celebrationFilm(true); }};
const GalleryStateRegistration raceLiveWithoutPeriod{"racing-live-without-period", [] {
                                                         Game game = race(GameStatus::inProgress);
                                                         game.period.reset();
                                                         return racingStates(game);
                                                     }};
const GalleryStateRegistration raceFinalWithoutStandings{"racing-final-without-standings", [] {
                                                             Game game = race(GameStatus::final_);
                                                             game.raceStandings.reset();
                                                             return racingStates(game);
                                                         }};
const GalleryStateRegistration cardBare{"score-card-live-without-period-or-clock",
                                        [] { return cardWithoutPeriodOrClock(); }};

} // namespace
