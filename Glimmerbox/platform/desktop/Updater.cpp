#include "platform/desktop/Updater.h"

#include "BuildInfo.h"
#include "platform/JsonRead.h"
#include "platform/Logging.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/network/CappedDownload.h"
#include "platform/network/SharedNetworkAccess.h"

#include <QCoroNetworkReply>
#include <QHostAddress>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QRegularExpression>

namespace {

// What a feed may hold, and how long fetching it may take. A feed is a few hundred bytes: one that keeps
// coming is cut off as it arrives, not read into memory.
constexpr qint64 maxFeedBytes = 64 * 1024;
constexpr std::chrono::seconds feedDeadline{15};
constexpr DownloadCaps feedCaps{maxFeedBytes, feedDeadline, 16 * 1024};
// Its version is a few characters; a download address longer than any real one counts as missing.
constexpr TextBound feedVersionBound{256};
constexpr TextBound feedAddressBound{2048, TextBound::Overlong::refuse};

bool isLoopback(const QUrl& url) {
    const QString host = url.host();
    if (host == QLatin1String("localhost"))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

QString UpdateCheckResult::message() const {
    switch (kind) {
    case Kind::notConfigured:
        return QStringLiteral("No update source is configured, so Glimmerbox cannot check for updates.");
    case Kind::upToDate:
        return QStringLiteral("You're up to date: Glimmerbox %1 is the newest version available.")
            .arg(currentVersion);
    case Kind::updateAvailable: {
        QString text =
            QStringLiteral("Glimmerbox %1 is available; you have %2.").arg(latestVersion, currentVersion);
        if (!downloadUrl.isEmpty())
            text += QStringLiteral("\nDownload it from %1").arg(downloadUrl.toString());
        return text;
    }
    case Kind::failed:
        return QStringLiteral("The update check failed: %1").arg(error);
    }
    return {};
}

std::optional<int> compareVersions(const QString& left, const QString& right) {
    static const QRegularExpression pattern(QStringLiteral("^v?(\\d+(?:\\.\\d+)*)$"));
    const QRegularExpressionMatch leftMatch = pattern.match(left.trimmed());
    const QRegularExpressionMatch rightMatch = pattern.match(right.trimmed());
    if (!leftMatch.hasMatch() || !rightMatch.hasMatch())
        return std::nullopt;
    const QStringList leftParts = leftMatch.captured(1).split(QLatin1Char('.'));
    const QStringList rightParts = rightMatch.captured(1).split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(leftParts.size(), rightParts.size()); ++i) {
        // Compare as text of digits without leading zeros, so that long numbers cannot overflow.
        auto part = [i](const QStringList& parts) {
            QString digits = i < parts.size() ? parts.at(i) : QStringLiteral("0");
            while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
                digits.remove(0, 1);
            return digits;
        };
        const QString a = part(leftParts);
        const QString b = part(rightParts);
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
        if (const int order = a.compare(b); order != 0)
            return order < 0 ? -1 : 1;
    }
    return 0;
}

Updater::Updater(std::optional<QUrl> feedUrl, QString currentVersion, SettingsStore* store, Clock& clock,
                 QObject* parent)
    : QObject(parent), m_feedUrl(std::move(feedUrl)), m_currentVersion(std::move(currentVersion)),
      m_store(store), m_clock(clock) {
    if (m_store) {
        m_automaticChecks = m_store->value(automaticChecksKey).toBool();
        m_lastAutomaticCheck = m_store->value(lastAutomaticCheckKey).toDateTime();
    }
    scheduleAutomaticCheck();
}

Updater& Updater::shared() {
    static Updater* updater = new Updater(feedFromEnvironment(), QString::fromLatin1(BuildInfo::version),
                                          &SettingsStore::standard());
    return *updater;
}

std::optional<QUrl> Updater::feedFromEnvironment() {
    const QString text = qEnvironmentVariable(feedVariable).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    return QUrl::fromUserInput(text);
}

UpdateCheckResult Updater::failure(const QString& error) const {
    UpdateCheckResult result;
    result.kind = UpdateCheckResult::Kind::failed;
    result.currentVersion = m_currentVersion;
    result.error = error;
    return result;
}

QCoro::Task<UpdateCheckResult> Updater::check() {
    if (!m_feedUrl) {
        // The user is told only that no source is configured; where one is set belongs in the log.
        qCInfo(generalLogger).noquote() << QStringLiteral("No update source is configured: %1 is not set")
                                               .arg(QLatin1StringView(feedVariable));
        UpdateCheckResult result;
        result.currentVersion = m_currentVersion;
        co_return result;
    }
    if (!m_feedUrl->isValid())
        co_return failure(QStringLiteral("the update feed address \"%1\" is not valid")
                              .arg(qEnvironmentVariable(feedVariable)));

    QNetworkRequest request(*m_feedUrl);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* pending = sharedNetworkAccess().get(request);
    // Owned by the updater while it runs: a check still waiting when the updater goes ends with it.
    pending->setParent(this);
    CappedDownload download(*pending, feedCaps, m_clock);
    QNetworkReply* reply = co_await pending;
    // Freed on a later turn: a reply cut off is still inside its own signal when it finishes.
    reply->deleteLater();

    if (download.tooLarge())
        co_return failure(QStringLiteral("the update feed is too large (over %1 bytes)").arg(maxFeedBytes));
    if (download.headersLate())
        co_return failure(
            QStringLiteral("the update feed's server did not answer within %1 seconds")
                .arg(std::chrono::duration_cast<std::chrono::seconds>(feedCaps.headersDeadline).count()));
    if (download.timedOut())
        co_return failure(
            QStringLiteral("the update feed did not arrive within %1 seconds").arg(feedDeadline.count()));
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        co_return failure(QStringLiteral("the update feed answered with status %1").arg(status.toInt()));
    if (reply->error() != QNetworkReply::NoError)
        co_return failure(reply->errorString());
    co_return readFeed(download.takeBody());
}

UpdateCheckResult Updater::readFeed(const QByteArray& body) const {
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return failure(QStringLiteral("the update feed is not a JSON object"));
    const std::optional<QString> latest =
        json::text(document.object(), QLatin1StringView("version"), feedVersionBound);
    if (!latest)
        return failure(QStringLiteral("the update feed names no version"));
    const std::optional<int> order = compareVersions(*latest, m_currentVersion);
    if (!order)
        return failure(QStringLiteral("the update feed's version \"%1\" could not be read").arg(*latest));

    UpdateCheckResult result;
    result.currentVersion = m_currentVersion;
    result.latestVersion = *latest;
    result.kind = *order > 0 ? UpdateCheckResult::Kind::updateAvailable : UpdateCheckResult::Kind::upToDate;
    if (const std::optional<QString> url =
            json::text(document.object(), QLatin1StringView("url"), feedAddressBound)) {
        result.downloadUrl = QUrl(*url, QUrl::StrictMode);
        if (!isAcceptableDownload(result.downloadUrl, m_feedUrl))
            return failure(QStringLiteral("the update feed's download address \"%1\" is not an https address")
                               .arg(*url));
    }
    return result;
}

bool isAcceptableDownload(const QUrl& download, const std::optional<QUrl>& feed) {
    if (!download.isValid() || download.host().isEmpty())
        return false;
    if (download.scheme() == QLatin1String("https"))
        return true;
    const bool localFeed = feed && (feed->isLocalFile() || isLoopback(*feed));
    return localFeed && download.scheme() == QLatin1String("http");
}

namespace {

enum class Report { everything, onlyUpdates };

// A check the user asked for reports every outcome; an automatic one stays quiet unless it finds a newer
// version. Failures are logged either way.
QCoro::Task<> checkAndReport(QPointer<Updater> updater, Report report) {
    const UpdateCheckResult result = co_await updater->check();
    if (!updater)
        co_return;
    if (result.isError())
        qCWarning(generalLogger).noquote() << result.message();
    if (report == Report::everything || result.kind == UpdateCheckResult::Kind::updateAvailable)
        emit updater->checkFinished(result);
}

} // namespace

void Updater::checkForUpdates() {
    // Runs detached; QCoro frees the task when it finishes.
    checkAndReport(QPointer<Updater>(this), Report::everything);
}

void Updater::setAutomaticallyChecksForUpdates(bool enabled) {
    m_automaticChecks = enabled;
    if (m_store) {
        m_store->setValue(automaticChecksKey, enabled);
        m_store->sync();
    }
    scheduleAutomaticCheck();
    emit automaticallyChecksForUpdatesChanged(enabled);
}

void Updater::scheduleAutomaticCheck() {
    m_automaticCheckTimer.reset();
    if (!m_automaticChecks || !m_feedUrl)
        return;
    // A day after the last automatic check, so that restarting the application does not postpone it.
    const qint64 sinceLast =
        m_lastAutomaticCheck.isValid() ? m_lastAutomaticCheck.msecsTo(m_clock.now()) : qint64{-1};
    const qint64 interval = secondsToMilliseconds(automaticCheckInterval).count();
    const qint64 delay = sinceLast < 0 || sinceLast >= interval ? 0 : interval - sinceLast;
    m_automaticCheckTimer =
        m_clock.singleShot(std::chrono::milliseconds(delay), this, [this] { runAutomaticCheck(); });
}

void Updater::runAutomaticCheck() {
    m_lastAutomaticCheck = m_clock.now();
    if (m_store) {
        m_store->setValue(lastAutomaticCheckKey, m_lastAutomaticCheck);
        m_store->sync();
    }
    // Runs detached; QCoro frees the task when it finishes.
    checkAndReport(QPointer<Updater>(this), Report::onlyUpdates);
    scheduleAutomaticCheck();
}
