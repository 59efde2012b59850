#pragma once

#include "model/Game.h"
#include "model/Team.h"

#include <QString>

// One side of the compact bar: logo, value text and maybe the advantage marker.
struct CompactSide {
    Team team;
    QString text;            // the score, or the abbreviation while the larger panel shows the scores
    bool textIsScore = true; // 14 px bold white; else 11 px semibold at 55 %
    double logoSize = 18;
    bool advantageMarker = false;
};

// The right side of a race's compact bar.
struct CompactRacingStatus {
    enum class Kind { live, place, leader, nothing };
    Kind kind = Kind::nothing;
    QString text; // live: the period (may be empty); place: venue or home abbreviation; leader: surname
};

// The compact bar's row for the displayed game: away left, home right; a race shows its series' artwork on
// the left and its status on the right.
struct CompactRowContent {
    static constexpr double textScorePixelSize = 14;
    static constexpr double textAbbreviationPixelSize = 11;

    bool racing = false;
    CompactSide away;
    CompactSide home;
    CompactRacingStatus racingStatus;

    static CompactRowContent make(const Game& game, bool showsExpanded);
    static CompactRacingStatus racingStatusOf(const Game& game);
};
