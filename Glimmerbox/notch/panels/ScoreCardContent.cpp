#include "notch/panels/ScoreCardContent.h"

#include "notch/panels/OverlayColors.h"
#include "notch/panels/OverlayLabels.h"
#include "notch/panels/TeamColors.h"
#include "notch/state/OverlayPresenter.h"

#include <algorithm>

namespace {

using Line = ScoreCardCentreLine;

Line breakBadge(GameBreak kind) {
    switch (kind) {
    case GameBreak::timeout:
        return {Line::Style::badge, QStringLiteral("Timeout").toUpper(), overlay_colors::yellow};
    case GameBreak::halftime:
        return {Line::Style::badge, QStringLiteral("Halftime").toUpper(), overlay_colors::orange};
    case GameBreak::endOfPeriod:
        return {Line::Style::badge, QStringLiteral("End of Period").toUpper(), overlay_colors::orange};
    case GameBreak::intermission:
        return {Line::Style::badge, QStringLiteral("Intermission").toUpper(), overlay_colors::orange};
    case GameBreak::delay:
        return {Line::Style::badge, QStringLiteral("Delay").toUpper(), overlay_colors::yellow};
    }
    return {};
}

QString statusLabel(GameStatus status) {
    switch (status) {
    case GameStatus::final_:
        return QStringLiteral("Final");
    case GameStatus::postponed:
        return QStringLiteral("Postponed");
    case GameStatus::cancelled:
        return QStringLiteral("Cancelled");
    case GameStatus::delayed:
        return QStringLiteral("Delayed");
    default:
        return {};
    }
}

} // namespace

ScoreCardContent ScoreCardContent::make(const Game& game, const std::optional<ScoreEvent>& scoreEvent,
                                        CelebrationPhase phase, const QDateTime& now) {
    ScoreCardContent card;
    const std::optional<bool> awayAdvantage = advantageIsAway(game);
    card.away = {game.awayTeam, QString::number(game.awayScore), game.awayScore < game.homeScore,
                 awayAdvantage == true};
    card.home = {game.homeTeam, QString::number(game.homeScore), game.homeScore < game.awayScore,
                 awayAdvantage == false};
    card.centre = centreLines(game, now);
    if (scoreEvent && !isCelebrating(phase)) {
        card.lastScoreText = lastScoreLine(*scoreEvent);
        card.lastScoreColor = adjustedForContrast(scoreEvent->teamColor);
    }
    return card;
}

bool ScoreCardContent::namesTheDay() const {
    return std::any_of(centre.begin(), centre.end(),
                       [](const ScoreCardCentreLine& line) { return line.style == Line::Style::startTime; });
}

QList<ScoreCardCentreLine> ScoreCardContent::centreLines(const Game& game, const QDateTime& now) {
    QList<Line> lines;
    if (game.isLive()) {
        const std::optional<GameBreak> kind = game.breakKind();
        lines.append(kind ? breakBadge(*kind)
                          : Line{Line::Style::badge, QStringLiteral("LIVE"), overlay_colors::red});
        if (game.period)
            lines.append({Line::Style::period, *game.period, {}});
        if (game.clock)
            lines.append({Line::Style::clock, *game.clock, {}});
    } else if (game.status == GameStatus::scheduled) {
        lines.append({Line::Style::scheduled, QStringLiteral("Scheduled"), {}});
        lines.append({Line::Style::startTime, gameTimeLabel(game.startTime, now), {}});
    } else {
        lines.append({Line::Style::status, statusLabel(game.status), {}});
    }
    return lines;
}

QString ScoreCardContent::lastScoreLine(const ScoreEvent& event) {
    if (event.playText && !event.playText->isEmpty())
        return *event.playText;
    // One arg() for all: chained, a team named "%2" would be filled in by the next call.
    return QStringLiteral("%1 scored %2 %3")
        .arg(event.teamName, QString::number(event.points),
             event.points == 1 ? QStringLiteral("pt") : QStringLiteral("pts"));
}
