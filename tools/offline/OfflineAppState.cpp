#include "OfflineAppState.h"

#include "app/GameNotifier.h"
#include "platform/PathSource.h"
#include "platform/SettingsStore.h"
#include "service/CacheService.h"
#include "service/NetworkMonitor.h"
#include "service/ScoresService.h"

#include <QCoroSignal>
#include <QMap>
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
    QCoro::Task<ServiceResult<QList<Game>>> fetchScoreboard(League, std::optional<QDateTime>) override {
        co_await never();
        co_return QList<Game>{};
    }
    QCoro::Task<ServiceResult<GameDetail>> fetchGameDetail(QString, League) override {
        co_return APIError::noData();
    }
    QCoro::Task<ServiceResult<QList<Team>>> fetchTeams(League) override { co_return QList<Team>{}; }
    QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString, League) override {
        co_return QList<TopScorer>{};
    }
    QCoro::Task<ServiceResult<QList<Game>>> fetchLiveScoreboard(League) override {
        co_await never();
        co_return QList<Game>{};
    }
};

class SilentNotifier : public GameNotifier {
public:
    void registerCategories() override {}
    void sendGameStartNotification(const Game&) override {}
    void sendGameEndNotification(const Game&) override {}
    void sendScoreChangeNotification(const Game&, const std::optional<Game>&) override {}
    void sendCloseGameNotification(const Game&) override {}
    void sendOvertimeNotification(const Game&) override {}
};

// Never reports, so the state never starts a refresh.
class SilentPathSource : public PathSource {
public:
    void start() override {}
    void cancel() override {}
};

class MemoryStore : public SettingsStore {
public:
    QVariant value(const QString& key) const override { return m_values.value(key); }
    bool contains(const QString& key) const override { return m_values.contains(key); }
    void setValue(const QString& key, const QVariant& value) override { m_values.insert(key, value); }
    void remove(const QString& key) override { m_values.remove(key); }

private:
    QMap<QString, QVariant> m_values;
};

} // namespace

struct OfflineAppState::Services {
    SilentScores scores;
    SilentNotifier notifier;
    MemoryStore settings;
    CacheService cache{Clock::system()};
    NetworkMonitor monitor{std::make_unique<SilentPathSource>()};
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
