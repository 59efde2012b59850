#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// The popover's decisions: which leagues it lists, in which order their games come, the "Live Now"
// strip, each section's header and the footer's time.
namespace popovercontent {

// The "Live Now" strip: the first three live games, and none at all while any game is pinned.
QList<Game> liveNowGames(const QList<Game>& liveGames, const QList<Game>& pinnedGames);

// Pinned by its league and id: another league's game under the same id is not.
bool isPinned(const Game& game, const QList<Game>& pinnedGames);

struct SectionHeader {
    qsizetype count = 0;
    bool hasLiveGame = false; // the red dot
};
SectionHeader sectionHeader(const QList<Game>& games);

// "Updated 2 min. ago", nothing before the first refresh.
std::optional<QString> updatedText(const std::optional<QDateTime>& lastRefresh, const QDateTime& now);

} // namespace popovercontent
