#include "GameProgress.h"

#include "GameChangeRules.h"

#include <algorithm>

namespace {
qint64 highest(const std::optional<qint64>& seen, qint64 score) {
    return seen ? std::max(*seen, score) : score;
}
} // namespace

bool GameProgress::isBehind(const Game& game) const {
    return (m_highestHome && game.homeScore < *m_highestHome) ||
           (m_highestAway && game.awayScore < *m_highestAway);
}

bool GameProgress::scoreRose(const Game& game) const {
    return (!m_highestHome || game.homeScore > *m_highestHome) ||
           (!m_highestAway || game.awayScore > *m_highestAway);
}

Game GameProgress::scoreBaseline(Game previous) const {
    previous.homeScore = highest(m_highestHome, previous.homeScore);
    previous.awayScore = highest(m_highestAway, previous.awayScore);
    return previous;
}

void GameProgress::advance(const Game& game) {
    const bool final = game.status == GameStatus::final_;
    m_started = m_started || game.isLive() || final;
    m_ended = m_ended || final;
    m_inOvertime = m_inOvertime || isLiveInOvertime(game);
    if (game.isLive() && !isBehind(game))
        m_closeStands = isCloseLiveGame(game);
    m_highestHome = highest(m_highestHome, game.homeScore);
    m_highestAway = highest(m_highestAway, game.awayScore);
}
