#include "popover/menu/PopoverContent.h"

#include "app/GameKey.h"
#include "popover/common/GameText.h"

#include <algorithm>

namespace popovercontent {

QList<Game> liveNowGames(const QList<Game>& liveGames, const QList<Game>& pinnedGames) {
    if (!pinnedGames.isEmpty())
        return {};
    return liveGames.mid(0, 3);
}

bool isPinned(const Game& game, const QList<Game>& pinnedGames) {
    return holdsGame(pinnedGames, GameKey::of(game));
}

SectionHeader sectionHeader(const QList<Game>& games) {
    return {games.size(),
            std::any_of(games.cbegin(), games.cend(), [](const Game& game) { return game.isLive(); })};
}

std::optional<QString> updatedText(const std::optional<QDateTime>& lastRefresh, const QDateTime& now) {
    if (!lastRefresh)
        return std::nullopt;
    return QStringLiteral("Updated ") + gametext::relativeText(*lastRefresh, now);
}

} // namespace popovercontent
