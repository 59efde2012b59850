#include "OfflineAppState.h"

#include "QuietServices.h"

#include "service/CacheService.h"
#include "service/NetworkMonitor.h"
#include "service/ScoresService.h"

#include <QCoroSignal>
#include <QTimer>

namespace {

// Scoreboards never arrive, so a refresh the state starts on its own never replaces the games its
// caller has set.
QCoro::Task<> never() {
    static QTimer neverStarted;
    co_await qCoro(&neverStarted, &QTimer::timeout);
}

class SilentScores : public ScoresService {
public:
    QCoro::Task<ServiceResult<Scoreboard>> fetchScoreboard(League, std::optional<QDateTime>) override {
        co_await never();
        co_return Scoreboard{};
    }
    QCoro::Task<ServiceResult<GameDetail>> fetchGameDetail(QString, League) override {
        co_return APIError::noData();
    }
    QCoro::Task<ServiceResult<QList<Team>>> fetchTeams(League) override { co_return QList<Team>{}; }
    QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString, League) override {
        co_return QList<TopScorer>{};
    }
    QCoro::Task<ServiceResult<Scoreboard>> fetchLiveScoreboard(League) override {
        co_await never();
        co_return Scoreboard{};
    }
};

} // namespace

struct OfflineAppState::Services {
    SilentScores scores;
    quiet::SilentNotifier notifier;
    quiet::MemoryStore settings;
    CacheService cache{Clock::system()};
    NetworkMonitor monitor{std::make_unique<quiet::QuietPathSource>()};
};

OfflineAppState::OfflineAppState()
    : m_services(std::make_unique<Services>()),
      m_preferences(std::make_unique<UserPreferences>(m_services->settings)),
      m_state(std::make_unique<AppState>(m_services->scores, m_services->cache, m_services->notifier,
                                         m_services->monitor, *m_preferences, m_services->settings,
                                         Clock::system())) {}

OfflineAppState::~OfflineAppState() = default;

ScoresService& OfflineAppState::scores() {
    return m_services->scores;
}
