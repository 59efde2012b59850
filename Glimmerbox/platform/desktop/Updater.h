#pragma once

#include "platform/time/Clock.h"

#include <QCoroTask>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

class SettingsStore;

// The outcome of one update check, worded for the user. Only a feed that names a newer version than ours
// counts as an update; anything that goes wrong is a failure, never "up to date".
struct UpdateCheckResult {
    enum class Kind { notConfigured, upToDate, updateAvailable, failed };

    Kind kind = Kind::notConfigured;
    QString currentVersion;
    QString latestVersion; // set for upToDate and updateAvailable
    QUrl downloadUrl;      // may be empty when the feed names none; https unless the feed is local
    QString error;         // set for failed

    bool isError() const { return kind == Kind::failed; }
    QString message() const;
};

// Compares dotted version numbers ("1.10" > "1.9"; "1.0" == "1"); a leading "v" is ignored. Nothing when
// either is not a dotted number.
std::optional<int> compareVersions(const QString& left, const QString& right);

// Whether a feed's download address may be shown: https, or plain http when the feed itself is on this
// machine (a file, or a server on the loopback). Any other scheme (file:, javascript:, ...) is refused.
bool isAcceptableDownload(const QUrl& download, const std::optional<QUrl>& feed);

// Checks a release feed, a small JSON document {"version": "...", "url": "..."}, for a newer version. The
// feed address comes from GLIMMERBOX_UPDATE_FEED; without it nothing is fetched, the check says that no
// update source is configured and the log names the variable.
// While automatic checks are on and a feed is configured, the feed is also checked once a day, and only a
// newer version is reported. The flag and the time of the last automatic check are the updater's own, kept
// in `store` (in memory only without one).
class Updater : public QObject {
    Q_OBJECT
public:
    static constexpr const char* feedVariable = "GLIMMERBOX_UPDATE_FEED";
    static constexpr QLatin1StringView automaticChecksKey{"automaticallyChecksForUpdates"};
    static constexpr QLatin1StringView lastAutomaticCheckKey{"lastAutomaticUpdateCheck"};
    static constexpr double automaticCheckInterval = 86400.0;

    Updater(std::optional<QUrl> feedUrl, QString currentVersion, SettingsStore* store = nullptr,
            Clock& clock = Clock::system(), QObject* parent = nullptr);

    // The application's updater: the feed from the environment and the build's version.
    static Updater& shared();
    static std::optional<QUrl> feedFromEnvironment();

    // Fetches and reads the feed; never throws, failures are results.
    QCoro::Task<UpdateCheckResult> check();

    // The "Check for Updates…" action: runs check() and reports through checkFinished().
    void checkForUpdates();

    // Off until the user turns it on.
    bool automaticallyChecksForUpdates() const { return m_automaticChecks; }
    void setAutomaticallyChecksForUpdates(bool enabled);
    bool isAutomaticCheckScheduled() const {
        return m_automaticCheckTimer && m_automaticCheckTimer->isActive();
    }

signals:
    void checkFinished(const UpdateCheckResult& result);
    void automaticallyChecksForUpdatesChanged(bool enabled);

private:
    UpdateCheckResult readFeed(const QByteArray& body) const;
    UpdateCheckResult failure(const QString& error) const;
    void scheduleAutomaticCheck();
    void runAutomaticCheck();

    std::optional<QUrl> m_feedUrl;
    QString m_currentVersion;
    SettingsStore* m_store;
    Clock& m_clock;
    bool m_automaticChecks = false;
    QDateTime m_lastAutomaticCheck;
    ClockTimerPtr m_automaticCheckTimer;
};
