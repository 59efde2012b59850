#include "notch/state/ScoreEvent.h"

#include "notch/panels/TeamColors.h"

ScoreEvent scoreEventFor(const Game& game, bool home, qint64 points) {
    const Team& team = home ? game.homeTeam : game.awayTeam;
    ScoreEvent event;
    event.teamName = team.abbreviation;
    event.teamColor = teamColorOrGrey(team.primaryColor);
    event.points = points;
    if (game.situations)
        event.playText = game.situations->lastPlayText;
    event.scoringTeam = team;
    event.isHomeTeam = home;
    return event;
}
