#include "ScoreboardBoundLog.h"

#include "ScoresMapping.h"
#include "platform/Logging.h"

void ScoreboardBoundLog::leftOut(const League& league, qsizetype leftOut, const char* what) {
    if (leftOut <= 0)
        return;
    {
        const std::scoped_lock lock(m_mutex);
        const auto last = m_lastLeftOut.constFind(league.id);
        if (last != m_lastLeftOut.cend() && *last == leftOut)
            return;
        m_lastLeftOut.insert(league.id, leftOut);
    }
    qCWarning(apiLogger).noquote() << league.abbreviation << "scoreboard: kept its first"
                                   << maximumScoreboardGames << "games and left out" << leftOut << what;
}
