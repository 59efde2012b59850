#pragma once

#include <QCoroTask>
#include <QObject>

class AppState;
class GameNotifier;

// What the shell asks of the application core at launch and from its menu, and the two published values
// it watches. AppStateCoreActions forwards to the real state; tests record the calls.
class CoreActions : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QCoro::Task<> registerCategories() = 0;
    virtual QCoro::Task<> freshFetch() = 0;
    virtual QCoro::Task<> refreshLeagues() = 0;
    virtual QCoro::Task<> loadAllTeams() = 0;
    virtual void schedulePinnedRefresh() = 0;
    virtual void scheduleLeagueRefresh() = 0;
    virtual void scheduleFullRefresh() = 0;

signals:
    void pinnedGamesChanged();
    void isNetworkAvailableChanged();
};

class AppStateCoreActions final : public CoreActions {
    Q_OBJECT
public:
    AppStateCoreActions(AppState& appState, GameNotifier& notifier, QObject* parent = nullptr);

    QCoro::Task<> registerCategories() override;
    QCoro::Task<> freshFetch() override;
    QCoro::Task<> refreshLeagues() override;
    QCoro::Task<> loadAllTeams() override;
    void schedulePinnedRefresh() override;
    void scheduleLeagueRefresh() override;
    void scheduleFullRefresh() override;

private:
    AppState& m_appState;
    GameNotifier& m_notifier;
};
