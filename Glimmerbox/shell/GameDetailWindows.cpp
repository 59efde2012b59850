#include "GameDetailWindows.h"

#include "platform/input/WindowPlacement.h"
#include "popover/detail/GameDetailView.h"

GameDetailWindows::GameDetailWindows(AppState& appState, ScoresService& scores)
    : m_appState(appState), m_scores(scores) {}

GameDetailWindows::~GameDetailWindows() {
    for (const QPointer<GameDetailView>& window : std::as_const(m_windows))
        delete window.data();
}

QWidget* GameDetailWindows::open(const QString& gameId, const std::optional<League>& league) {
    QPointer<GameDetailView>& window = m_windows[gameId];
    if (window) {
        window->reload();
    } else {
        // A new window loads when it is first shown, past the summary's cache as a window brought forward
        // does: the overlay's hover may have read the game's summary just before it ended.
        window = new GameDetailView(gameId, league, GameDetailView::FirstLoad::live, m_appState, m_scores);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->adjustSize();
        QList<QWidget*> others;
        for (const QPointer<GameDetailView>& other : std::as_const(m_windows))
            others.append(other.data());
        windowplacement::centerClearOf(window, others);
    }
    windowplacement::present(window);
    return window;
}
