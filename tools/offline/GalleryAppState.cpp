#include "GalleryAppState.h"
#include "Gate.h"

#include "QuietServices.h"

#include "platform/time/Clock.h"
#include "service/CacheService.h"
#include "service/NetworkMonitor.h"

#include <QCoreApplication>
#include <QCoroSignal>
#include <QHash>

namespace {

class StillClock final : public Clock {
public:
    QDateTime current;
    QDateTime now() const override { return current; }
    MonotonicTime monotonicNow() const override { return {}; }
    ClockTimerPtr singleShot(std::chrono::milliseconds, QObject*, std::function<void()>) override {
        return std::make_unique<NeverTimer>();
    }
    ClockTimerPtr repeating(std::chrono::milliseconds, QObject*, std::function<void()>) override {
        return std::make_unique<NeverTimer>();
    }

private:
    struct NeverTimer final : ClockTimer {
        void cancel() override {}
        bool isActive() const override { return false; }
    };
};

class OfflineScores final : public quiet::UnreachableScores {
public:
    // While held, scoreboards wait for release(), so that a refresh stays under way.
    void hold() { m_holding = true; }
    void release() {
        if (!m_holding)
            return;
        m_holding = false;
        // On the next turn: the waiting requests go on from the event loop, not from inside this call.
        QMetaObject::invokeMethod(&m_gate, &Gate::opened, Qt::QueuedConnection);
    }

    QCoro::Task<ServiceResult<Scoreboard>> fetchScoreboard(League, std::optional<QDateTime>) override {
        if (m_holding)
            co_await qCoro(&m_gate, &Gate::opened);
        co_return APIError::networkUnavailable();
    }

private:
    bool m_holding = false;
    Gate m_gate;
};

void settle() {
    for (int turn = 0; turn < 5; ++turn) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace

struct GalleryAppState::Parts {
    StillClock clock;
    quiet::MemoryStore settings;
    CacheService cache{clock};
    OfflineScores scores;
    quiet::SilentNotifier notifier;
    quiet::QuietPathSource* path = new quiet::QuietPathSource;
    NetworkMonitor monitor{std::unique_ptr<PathSource>(path)};
};

GalleryAppState::GalleryAppState(const QDateTime& now) : m_parts(std::make_unique<Parts>()) {
    m_parts->clock.current = now;
    m_preferences = std::make_unique<UserPreferences>(m_parts->settings);
    m_preferences->setEnabledLeagues({});
    m_preferences->setNotificationsEnabled(false);
    m_state = std::make_unique<AppState>(m_parts->scores, m_parts->cache, m_parts->notifier, m_parts->monitor,
                                         *m_preferences, m_parts->settings, m_parts->clock);
    // The network's first value arrives now, while no league is followed, so its refresh fetches nothing.
    settle();
}

GalleryAppState::~GalleryAppState() {
    // A refresh still under way ends before the state goes.
    m_parts->scores.release();
    settle();
    m_state.reset();
}

ScoresService& GalleryAppState::scores() {
    return m_parts->scores;
}

const QDateTime& GalleryAppState::now() const {
    return m_parts->clock.current;
}

void GalleryAppState::show(const QSet<QString>& leagues, const QList<Game>& games) {
    m_preferences->setEnabledLeagues(leagues);
    GamesByLeague byLeague;
    for (const QString& league : leagues)
        byLeague.insert(league, {});
    for (const Game& game : games)
        byLeague[game.league.id].append(game);
    m_state->setGames(byLeague);
}

void GalleryAppState::markRefreshed(qint64 secondsLater) {
    const QSet<QString> leagues = m_preferences->enabledLeagues();
    const GamesByLeague games = m_state->games();
    m_preferences->setEnabledLeagues({});
    m_state->refreshLeagues();
    settle();
    m_preferences->setEnabledLeagues(leagues);
    m_state->setGames(games);
    m_parts->clock.current = m_parts->clock.current.addSecs(secondsLater);
}

void GalleryAppState::startUnfinishedRefresh() {
    const GamesByLeague games = m_state->games();
    m_parts->scores.hold();
    m_state->refreshLeagues();
    settle();
    // The refresh starts by emptying the day's games; the state keeps showing these meanwhile.
    m_state->setGames(games);
}

void GalleryAppState::setOnline(bool online) {
    NetworkPath path;
    path.satisfied = online;
    emit m_parts->path->pathUpdated(path);
    settle();
}
