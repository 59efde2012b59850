#pragma once

#include "model/League.h"

#include <QWidget>

#include <optional>

class AppState;
class GameDetailPanel;
class GameDetailViewModel;
class ScoresService;

// One game in depth: the detail panel fed by its own model, which loads when the view is first shown and
// again on refresh or retry. The content of the row's detail sheet and of the "game-detail" windows; as a
// window it is titled after its game once the game is known.
class GameDetailView : public QWidget {
    Q_OBJECT
public:
    // How the first load reads the game's summary: a panel opened from a row may show the one the service
    // read up to 30 s ago (the overlay's hover reads it too); a window opened from a notification shows the
    // game as the notification announced it, so it asks past that cache as a refresh does.
    enum class FirstLoad { cached, live };

    GameDetailView(QString gameId, AppState& appState, ScoresService& scores, QWidget* parent = nullptr);
    // A view that knows the game's league loads it from the scores service even when it is not among the
    // current games (see GameDetailViewModel).
    GameDetailView(QString gameId, std::optional<League> league, FirstLoad firstLoad, AppState& appState,
                   ScoresService& scores, QWidget* parent = nullptr);

    const QString& gameId() const;
    GameDetailPanel& panel() const { return *m_panel; }
    // Loads the game again, as the refresh button does.
    void reload();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void schedulePublish();
    void publish();

    GameDetailViewModel* m_viewModel = nullptr;
    GameDetailPanel* m_panel = nullptr;
    FirstLoad m_firstLoad = FirstLoad::cached;
    bool m_hasAppeared = false;
    bool m_publishPending = false;
};
