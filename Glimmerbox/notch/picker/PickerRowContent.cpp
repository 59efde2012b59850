#include "notch/picker/PickerRowContent.h"

#include "notch/panels/OverlayLabels.h"

namespace {

using Form = PickerRowContent::Form;
using RaceLine = PickerRowContent::RaceLine;

bool isRace(const Game& game) {
    return game.league.sport == Sport::racing;
}

bool hasStandings(const Game& game) {
    return game.raceStandings && !game.raceStandings->isEmpty();
}

PickerRowContent::TeamCentre teamCentre(const Game& game, Form form) {
    PickerRowContent::TeamCentre centre;
    centre.showsScore = game.isLive() || game.status == GameStatus::final_;
    if (!centre.showsScore) {
        // Postponed, cancelled and delayed games look like scheduled ones.
        centre.startTime = timeOfDayText(game.startTime);
        if (form == Form::picker)
            centre.broadcast = game.broadcast;
        return centre;
    }
    centre.awayScore = QString::number(game.awayScore);
    centre.homeScore = QString::number(game.homeScore);
    centre.showsLiveLine = game.isLive();
    centre.showsFinal = !game.isLive();
    if (centre.showsLiveLine) {
        centre.period = game.period;
        if (form == Form::picker)
            centre.clock = game.clock;
    }
    return centre;
}

RaceLine raceLine(const Game& game, Form form) {
    RaceLine line;
    // The pinned row shows the leader and the live or final state only together with standings; the
    // picker row shows the state whatever the standings hold.
    const bool needsStandings = form == Form::pinned;
    const bool standings = hasStandings(game);
    if (game.isLive() && (standings || !needsStandings)) {
        line.status = RaceLine::Status::live;
        line.statusText = game.clock.value_or(QStringLiteral("LIVE"));
    } else if (game.status == GameStatus::final_ && (standings || !needsStandings)) {
        line.status = RaceLine::Status::final_;
        line.statusText = QStringLiteral("Final");
    } else {
        line.status = RaceLine::Status::startTime;
        line.statusText = timeOfDayText(game.startTime);
        line.venue = game.venue.value_or(QStringLiteral("Race"));
        return line;
    }
    if (standings) {
        const RaceDriver& first = game.raceStandings->first();
        line.leader = RaceLine::Leader{first.name, form == Form::picker ? first.flagURL : std::nullopt};
    }
    return line;
}

} // namespace

PickerRowContent PickerRowContent::make(const Game& game, Form form) {
    PickerRowContent content;
    content.form = form;
    content.teamBlockWidth = form == Form::picker ? pickerTeamBlockWidth : pinnedTeamBlockWidth;
    content.spacerMinimum = form == Form::picker ? pickerSpacerMinimum : pinnedSpacerMinimum;
    if (isRace(game)) {
        content.layout = Layout::racing;
        content.race = raceLine(game, form);
    } else {
        content.layout = Layout::team;
        content.centre = teamCentre(game, form);
    }
    return content;
}
