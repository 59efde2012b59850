#pragma once

#include "model/Game.h"
#include "model/Team.h"

#include <QColor>
#include <QString>

#include <optional>

// The score a celebration shows.
struct ScoreEvent {
    QString teamName; // the scoring team's abbreviation
    QColor teamColor; // its primary colour, grey when that does not parse
    qint64 points = 1;
    std::optional<QString> playText; // the situation's last play, when the game has a situation
    Team scoringTeam;
    bool isHomeTeam = false;

    // Two scores are the same event when the same side scored the same points; colour, text and team
    // are presentation.
    friend bool operator==(const ScoreEvent& a, const ScoreEvent& b) {
        return a.teamName == b.teamName && a.points == b.points && a.isHomeTeam == b.isHomeTeam;
    }
};

// `points` scored by the home (`home`) or away side of `game`, with the play text of its situation.
ScoreEvent scoreEventFor(const Game& game, bool home, qint64 points);
