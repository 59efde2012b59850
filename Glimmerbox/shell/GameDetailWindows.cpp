#include "GameDetailWindows.h"

#include "platform/input/WindowPlacement.h"
#include "popover/detail/GameDetailView.h"

GameDetailWindows::GameDetailWindows(AppState& appState, ScoresService& scores)
    : m_appState(appState), m_scores(scores) {}

GameDetailWindows::~GameDetailWindows() {
    for (const QPointer<QWidget>& window : std::as_const(m_windows))
        delete window.data();
}

QWidget* GameDetailWindows::open(const QString& gameId) {
    QPointer<QWidget>& window = m_windows[gameId];
    if (!window) {
        window = new GameDetailView(gameId, m_appState, m_scores);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->adjustSize();
        windowplacement::centerOnScreen(window);
    }
    windowplacement::present(window);
    return window;
}
