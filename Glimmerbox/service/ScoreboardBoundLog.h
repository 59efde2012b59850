#pragma once

#include "model/League.h"

#include <QHash>
#include <QString>

#include <mutex>

// Says in the log what a league's scoreboard left out past maximumScoreboardGames: once for each league until
// the number left out changes, since every refresh maps the same oversized reply again, every 3 s while a
// pinned game is live. A reply within the bound leaves the last number as it is. Safe from any thread: the
// mapping runs off the GUI thread.
class ScoreboardBoundLog {
public:
    // `leftOut` of `what` ("games", "further events") beyond the bound; nothing when it is zero.
    void leftOut(const League& league, qsizetype leftOut, const char* what);

private:
    std::mutex m_mutex;
    QHash<QString, qsizetype> m_lastLeftOut; // by league id
};
