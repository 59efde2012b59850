#pragma once

#include "app/AppState.h"
#include "model/Game.h"
#include "model/League.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// One section of the overlay's game picker: its header and the games of its rows, in row order.
struct PickerSection {
    enum class Kind { pinned, liveNow, league };

    Kind kind = Kind::league;
    std::optional<League> league; // league sections only
    int badgeCount = 0;           // for a league, its relevant games before ordering
    bool showsLiveDot = false;    // league sections holding a live game
    QList<Game> games;
};

// What the picker lists, derived afresh from the application state on every reload. A game may stand in
// several sections at once: a pinned live game is under Pinned, Live Now and its league.
namespace PickerSections {

// Pinned (when anything is pinned), Live Now (when anything is live), then one section per enabled league
// that has relevant games, in catalogue order.
QList<PickerSection> build(const QList<Game>& pinnedGames, const GamesByLeague& games,
                           const QSet<QString>& enabledIds, const QDateTime& now);

} // namespace PickerSections
