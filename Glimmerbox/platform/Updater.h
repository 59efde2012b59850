#pragma once

#include <QCoroTask>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;

// The outcome of one update check, worded for the user. Only a feed that names a newer version than ours
// counts as an update; anything that goes wrong is a failure, never "up to date".
struct UpdateCheckResult {
    enum class Kind { notConfigured, upToDate, updateAvailable, failed };

    Kind kind = Kind::notConfigured;
    QString currentVersion;
    QString latestVersion; // set for upToDate and updateAvailable
    QUrl downloadUrl;      // may be empty when the feed names none
    QString error;         // set for failed

    bool isError() const { return kind == Kind::failed; }
    QString message() const;
};

// Compares dotted version numbers ("1.10" > "1.9"; "1.0" == "1"); a leading "v" is ignored. Nothing when
// either is not a dotted number.
std::optional<int> compareVersions(const QString& left, const QString& right);

// Checks a release feed, a small JSON document {"version": "...", "url": "..."}, for a newer version. The
// feed address comes from GLIMMERBOX_UPDATE_FEED; without it nothing is fetched and the check says so.
class Updater : public QObject {
    Q_OBJECT
public:
    static constexpr const char* feedVariable = "GLIMMERBOX_UPDATE_FEED";

    Updater(std::optional<QUrl> feedUrl, QString currentVersion, QObject* parent = nullptr);

    // The application's updater: the feed from the environment and the build's version.
    static Updater& shared();
    static std::optional<QUrl> feedFromEnvironment();

    // Fetches and reads the feed; never throws, failures are results.
    QCoro::Task<UpdateCheckResult> check();

    // The "Check for Updates…" action: runs check() and reports through checkFinished().
    void checkForUpdates();

signals:
    void checkFinished(const UpdateCheckResult& result);

private:
    UpdateCheckResult readFeed(const QByteArray& body) const;
    UpdateCheckResult failure(const QString& error) const;

    std::optional<QUrl> m_feedUrl;
    QString m_currentVersion;
    QNetworkAccessManager* m_network = nullptr;
};
