#pragma once

#include "model/Game.h"

#include <QString>
#include <QUrl>

#include <optional>

// What one row of the game picker shows, decided from the game alone. The picker row and the pinned row
// share the pieces; the pinned row is narrower and leaves out the clock, the broadcast and the flag.
struct PickerRowContent {
    enum class Form { picker, pinned };
    enum class Layout { team, racing };

    // Centre column of a team game.
    struct TeamCentre {
        bool showsScore = false; // live or final; otherwise the schedule column
        QString awayScore;
        QString homeScore;
        bool showsLiveLine = false; // red dot, period and (picker row only) clock
        std::optional<QString> period;
        std::optional<QString> clock;
        bool showsFinal = false;
        QString startTime;
        std::optional<QString> broadcast; // picker row only
    };

    // A race: the leader (or the venue) on the left, its state on the right.
    struct RaceLine {
        enum class Status { live, final_, startTime };
        struct Leader {
            QString name;
            std::optional<QUrl> flagURL; // picker row only
        };
        std::optional<Leader> leader;
        std::optional<QString> venue; // the venue, or "Race", when the left side is not the leader
        Status status = Status::startTime;
        QString statusText; // the clock or "LIVE"; "Final"; the start time
    };

    static constexpr int pickerTeamBlockWidth = 75;
    static constexpr int pinnedTeamBlockWidth = 70;
    static constexpr int pickerSpacerMinimum = 6;
    static constexpr int pinnedSpacerMinimum = 4;

    Form form = Form::picker;
    Layout layout = Layout::team;
    int teamBlockWidth = pickerTeamBlockWidth;
    int spacerMinimum = pickerSpacerMinimum;
    TeamCentre centre;
    RaceLine race;

    static PickerRowContent make(const Game& game, Form form);
};
