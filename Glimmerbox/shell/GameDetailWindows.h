#pragma once

#include "model/League.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class AppState;
class GameDetailView;
class ScoresService;

// The "game-detail" windows: one per game id, created on demand, sized to the detail view, each opening
// clear of those already open. The notifications' "View Details" opens them.
class GameDetailWindows {
public:
    GameDetailWindows(AppState& appState, ScoresService& scores);
    ~GameDetailWindows();

    // Shows the game's window, creating it when there is none, and loads the game as it stands now, never
    // from the summary's cache: a new window as much as one brought forward, not as it was when the window
    // opened. Knowing the game's league, the window loads it even when it is not among the current games.
    QWidget* open(const QString& gameId, const std::optional<League>& league);

private:
    AppState& m_appState;
    ScoresService& m_scores;
    QHash<QString, QPointer<GameDetailView>> m_windows;
};
