#pragma once

#include "app/GameNotifier.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/network/PathSource.h"
#include "service/APIError.h"
#include "service/ScoresService.h"

#include <QHash>
#include <QVariant>

// The quiet parts of the offline application states: settings kept in memory, notifications that go
// nowhere, a reachability source that never reports (so the state never starts a refresh of its own), and a
// scores service that cannot be reached.
namespace quiet {

// Every request fails at once as if offline; a made-up state answers the few requests it shows.
class UnreachableScores : public ScoresService {
public:
    QCoro::Task<ServiceResult<Scoreboard>> fetchScoreboard(League, std::optional<QDateTime>) override {
        co_return APIError::networkUnavailable();
    }
    QCoro::Task<ServiceResult<GameDetail>> fetchGameDetail(QString, League) override {
        co_return APIError::networkUnavailable();
    }
    QCoro::Task<ServiceResult<QList<Team>>> fetchTeams(League) override {
        co_return APIError::networkUnavailable();
    }
    QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString, League) override {
        co_return APIError::networkUnavailable();
    }
    QCoro::Task<ServiceResult<Scoreboard>> fetchLiveScoreboard(League) override {
        co_return APIError::networkUnavailable();
    }
};

class MemoryStore final : public SettingsStore {
public:
    QVariant value(const QString& key) const override { return m_values.value(key); }
    bool contains(const QString& key) const override { return m_values.contains(key); }
    void setValue(const QString& key, const QVariant& value) override { m_values.insert(key, value); }
    void remove(const QString& key) override { m_values.remove(key); }

private:
    QHash<QString, QVariant> m_values;
};

class SilentNotifier final : public GameNotifier {
public:
    void registerCategories() override {}
    void sendGameStartNotification(const Game&) override {}
    void sendGameEndNotification(const Game&) override {}
    void sendScoreChangeNotification(const Game&, const std::optional<Game>&) override {}
    void sendCloseGameNotification(const Game&) override {}
    void sendOvertimeNotification(const Game&) override {}
    void sendMoreGamesChangedNotification(qint64, const QStringList&) override {}
};

class QuietPathSource final : public PathSource {
public:
    void start() override {}
    void cancel() override {}
};

} // namespace quiet
