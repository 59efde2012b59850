#pragma once

#include <QWidget>

class AppState;
class GameDetailPanel;
class GameDetailViewModel;
class ScoresService;

// One game in depth: the detail panel fed by its own model, which loads when the view is first shown and
// again on refresh or retry. The content of the row's detail sheet and of the "game-detail" windows.
class GameDetailView : public QWidget {
    Q_OBJECT
public:
    GameDetailView(QString gameId, AppState& appState, ScoresService& scores, QWidget* parent = nullptr);

    const QString& gameId() const;
    GameDetailPanel& panel() const { return *m_panel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void schedulePublish();
    void publish();

    GameDetailViewModel* m_viewModel = nullptr;
    GameDetailPanel* m_panel = nullptr;
    bool m_hasAppeared = false;
    bool m_publishPending = false;
};
