#pragma once

#include "notch/state/CelebrationPhase.h"
#include "notch/state/ScoreEvent.h"

#include "model/Game.h"

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One team's column of the expanded score card.
struct ScoreCardSide {
    Team team;
    QString score;
    bool dimmed = false; // strictly behind: 40 % white
    bool advantageMarker = false;
};

// One line of the card's centre column.
struct ScoreCardCentreLine {
    enum class Style {
        badge,     // dot and heavy 9 px label in `color`
        period,    // 11 px medium, 50 % white
        clock,     // 13 px semibold, monospaced digits, white
        scheduled, // 12 px bold, 55 % white
        startTime, // 10 px medium, 35 % white
        status,    // 13 px bold, 55 % white
    };
    Style style = Style::status;
    QString text;
    QColor color; // badges only
};

// The expanded score card of a team game: both teams with large scores, the live state or status in the
// centre, and after a score a line naming it.
struct ScoreCardContent {
    ScoreCardSide away;
    ScoreCardSide home;
    QList<ScoreCardCentreLine> centre;
    std::optional<QString> lastScoreText;
    QColor lastScoreColor;

    // Whether a text in it names the day relative to today ("Today @ …"), so it changes at midnight.
    bool namesTheDay() const;

    static ScoreCardContent make(const Game& game, const std::optional<ScoreEvent>& scoreEvent,
                                 CelebrationPhase phase, const QDateTime& now);
    static QList<ScoreCardCentreLine> centreLines(const Game& game, const QDateTime& now);
    // "BOS scored 3 pts", or the play's own text when there is one.
    static QString lastScoreLine(const ScoreEvent& event);
};
