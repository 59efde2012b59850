#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

class AppState;

// The "game-detail" windows: one per game id, created on demand, sized to the detail view. Nothing in the
// application opens one yet.
class GameDetailWindows {
public:
    explicit GameDetailWindows(AppState& appState);
    ~GameDetailWindows();

    // Shows the game's window, creating it when there is none.
    QWidget* open(const QString& gameId);

private:
    AppState& m_appState;
    QHash<QString, QPointer<QWidget>> m_windows;
};
