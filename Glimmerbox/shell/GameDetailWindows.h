#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

class AppState;
class ScoresService;

// The "game-detail" windows: one per game id, created on demand, sized to the detail view. The notifications'
// "View Details" opens them.
class GameDetailWindows {
public:
    GameDetailWindows(AppState& appState, ScoresService& scores);
    ~GameDetailWindows();

    // Shows the game's window, creating it when there is none.
    QWidget* open(const QString& gameId);

private:
    AppState& m_appState;
    ScoresService& m_scores;
    QHash<QString, QPointer<QWidget>> m_windows;
};
