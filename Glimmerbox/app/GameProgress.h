#pragma once

#include "model/Game.h"

#include <optional>

// How far change detection has seen one game go, over every copy it examined while the game was held. A
// service whose caches are out of step serves older copies between current ones (a final game live again, a
// score that drops and comes back); compared only with the copy before it, each return would be a new
// start, end, close game or score. The progress only moves forward, so what it has seen is news once.
class GameProgress {
public:
    // Whether `game` is an older copy: a side's score below the highest seen for it.
    bool isBehind(const Game& game) const;
    // Whether a start is still news: the game was never seen live or final.
    bool startIsNews() const { return !m_started; }
    // Whether an end is still news: the game was never seen final.
    bool endIsNews() const { return !m_ended; }
    // Whether going to overtime is still news: the game was never seen live in overtime.
    bool overtimeIsNews() const { return !m_inOvertime; }
    // Whether a close game is news: the game's latest current live copy was not close, and `game` is current.
    bool closeGameIsNews(const Game& game) const { return !m_closeStands && !isBehind(game); }
    // Whether `game` raises a score: a side above the highest score seen for it.
    bool scoreRose(const Game& game) const;
    // `previous` with the highest scores seen, the copy a score change is told against: its scoring team is
    // the side above them.
    Game scoreBaseline(Game previous) const;

    // Takes in an examined copy.
    void advance(const Game& game);

private:
    bool m_started = false;
    bool m_ended = false;
    bool m_inOvertime = false;
    // The latest current live copy was close; an older copy neither sets nor clears it.
    bool m_closeStands = false;
    std::optional<qint64> m_highestHome;
    std::optional<qint64> m_highestAway;
};
