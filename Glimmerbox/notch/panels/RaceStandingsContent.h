#pragma once

#include "model/Game.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What the racing panels show: the header's race state, the first five drivers under the expanded card and
// the rest in the deep list.
struct RaceStandingsContent {
    static constexpr int expandedDriverCount = 5;

    struct Header {
        enum class Kind { live, winner, startTime };
        Kind kind = Kind::startTime;
        std::optional<QString> period; // live: shown after "LIVE" when present
        QString winnerShortName;       // winner: beside the "P1" pill
        QString timeLabel;             // startTime
    };

    // One standings row.
    struct DriverRow {
        RaceDriver driver;
        QString positionText;
        bool isPodium = false; // positions below 4 (0 and below included) get the coloured badge
        QString intervalText;
    };

    Header header;
    QList<DriverRow> expandedRows;
    QList<DriverRow> deepRows; // empty, hairline included, unless there are at least six drivers

    bool showsDeepList() const { return !deepRows.isEmpty(); }

    static RaceStandingsContent make(const Game& game, const QDateTime& now);
    static DriverRow makeRow(const RaceDriver& driver);
};
