#include "notch/panels/CompactRowContent.h"

#include "notch/state/OverlayPresenter.h"

#include "model/League.h"

namespace {

CompactSide sideOf(const Team& team, qint64 score, bool showsExpanded, bool marker) {
    CompactSide side;
    side.team = team;
    side.textIsScore = !showsExpanded;
    side.text = showsExpanded ? team.abbreviation : QString::number(score);
    side.logoSize = showsExpanded ? 16 : 18;
    side.advantageMarker = marker;
    return side;
}

} // namespace

CompactRowContent CompactRowContent::make(const Game& game, bool showsExpanded) {
    CompactRowContent row;
    row.racing = game.league.sport == Sport::racing;
    const std::optional<bool> awayAdvantage = advantageIsAway(game);
    row.away = sideOf(game.awayTeam, game.awayScore, showsExpanded, awayAdvantage == true);
    row.home = sideOf(game.homeTeam, game.homeScore, showsExpanded, awayAdvantage == false);
    if (row.racing)
        row.racingStatus = racingStatusOf(game);
    return row;
}

CompactRacingStatus CompactRowContent::racingStatusOf(const Game& game) {
    if (game.isLive())
        return {CompactRacingStatus::Kind::live, game.period.value_or(QString())};
    if (game.status != GameStatus::final_)
        return {CompactRacingStatus::Kind::place, game.venue.value_or(game.homeTeam.abbreviation)};
    if (!game.raceStandings || game.raceStandings->isEmpty())
        return {};
    const RaceDriver& leader = game.raceStandings->first();
    const QStringList pieces = leader.name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return {CompactRacingStatus::Kind::leader, pieces.isEmpty() ? leader.shortName : pieces.last()};
}
