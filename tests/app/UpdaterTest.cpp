// The update check: version order, and a feed's answer never mistaken for "up to date" when it cannot be
// read.
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "StandinProcess.h"
#include "TaskRunner.h"

#include "platform/desktop/Updater.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Answers every request on 127.0.0.1 with one fixed HTTP response.
class FixedHttpServer : public QTcpServer {
public:
    FixedHttpServer(int status, const QByteArray& body) {
        listen(QHostAddress::LocalHost);
        const QByteArray reply = "HTTP/1.1 " + QByteArray::number(status) +
                                 " Status\r\nContent-Length: " + QByteArray::number(body.size()) +
                                 "\r\nConnection: close\r\n\r\n" + body;
        connect(this, &QTcpServer::newConnection, this, [this, reply] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [socket, reply] {
                if (socket->readAll().contains("\r\n\r\n")) {
                    socket->write(reply);
                    socket->disconnectFromHost();
                }
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(serverPort())); }
};

class UpdaterTest : public ::testing::Test {
protected:
    QUrl feedFile(const QByteArray& contents) {
        QFile file(dir.path() + "/feed.json");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return QUrl::fromLocalFile(file.fileName());
    }
    UpdateCheckResult check(std::optional<QUrl> feed, const QString& current = "1.2.0") {
        Updater updater(std::move(feed), current);
        UpdateCheckResult result;
        auto run = [](Updater& updater, UpdateCheckResult& out) -> QCoro::Task<> {
            out = co_await updater.check();
        };
        EXPECT_TRUE(runToCompletion(run(updater, result)));
        return result;
    }

    QTemporaryDir dir;
};

TEST(VersionCompareTest, ComparesDottedNumbersNumerically) {
    EXPECT_EQ(compareVersions("1.10", "1.9"), 1);
    EXPECT_EQ(compareVersions("1.0", "1"), 0);
    EXPECT_EQ(compareVersions("v2.0.1", "2.0.1"), 0);
    EXPECT_EQ(compareVersions("0.9.9", "1.0.0"), -1);
    EXPECT_EQ(compareVersions("1.02", "1.2"), 0);
    EXPECT_EQ(compareVersions("123456789012345678901234567890", "9"), 1);
    EXPECT_FALSE(compareVersions("1.0-beta", "1.0"));
    EXPECT_FALSE(compareVersions(QString(), "1.0"));
}

TEST_F(UpdaterTest, FeedComesFromTheEnvironmentWithoutItTheUserIsToldNoSourceIsConfigured) {
    qputenv(Updater::feedVariable, "http://127.0.0.1:1/feed.json");
    EXPECT_EQ(Updater::feedFromEnvironment(), QUrl("http://127.0.0.1:1/feed.json"));
    qunsetenv(Updater::feedVariable);
    EXPECT_FALSE(Updater::feedFromEnvironment());
    const UpdateCheckResult result = check(std::nullopt);
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::notConfigured);
    EXPECT_FALSE(result.isError());
    EXPECT_TRUE(result.message().contains("No update source is configured"));
}

TEST_F(UpdaterTest, NewerVersionIsAnUpdateSameOrOlderIsUpToDateFromAFileOrOverHttp) {
    const UpdateCheckResult newer =
        check(feedFile(R"({"version": "1.10.0", "url": "https://example.invalid/gb-1.10.0.tar.gz"})"));
    EXPECT_EQ(newer.kind, UpdateCheckResult::Kind::updateAvailable);
    EXPECT_EQ(newer.latestVersion, "1.10.0");
    EXPECT_TRUE(newer.message().contains("Glimmerbox 1.10.0 is available; you have 1.2.0."));
    EXPECT_TRUE(newer.message().contains("https://example.invalid/gb-1.10.0.tar.gz"));

    FixedHttpServer served(200, R"({"version": "1.2"})");
    EXPECT_EQ(check(served.url()).kind, UpdateCheckResult::Kind::upToDate);
    const UpdateCheckResult older = check(feedFile(R"({"version": "1.1.9"})"));
    EXPECT_EQ(older.kind, UpdateCheckResult::Kind::upToDate);
    EXPECT_TRUE(older.message().contains("up to date"));
}

TEST_F(UpdaterTest, UnreadableOrMissingFeedsAndErrorStatusesAreFailuresNeverUpToDate) {
    for (const char* body :
         {"not json", R"(["1.3"])", R"({"url": "x"})", R"({"version": 2})", R"({"version": "soon"})"}) {
        const UpdateCheckResult result = check(feedFile(body));
        EXPECT_EQ(result.kind, UpdateCheckResult::Kind::failed) << body;
        EXPECT_TRUE(result.message().startsWith("The update check failed: "));
    }
    EXPECT_EQ(check(QUrl::fromLocalFile(dir.path() + "/absent.json")).kind, UpdateCheckResult::Kind::failed);
    FixedHttpServer missing(404, R"({"version": "9.0"})");
    const UpdateCheckResult result = check(missing.url());
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::failed);
    EXPECT_TRUE(result.error.contains("404"));
}

TEST_F(UpdaterTest, AutomaticChecksRunDailyWithAFeedAndReportOnlyANewerVersion) {
    ManualClock clock;
    MemorySettingsStore store;
    const QUrl current = feedFile(R"({"version": "1.2.0"})");
    QList<UpdateCheckResult> reported;
    {
        Updater updater(current, "1.2.0", &store, clock);
        QObject::connect(&updater, &Updater::checkFinished,
                         [&](const UpdateCheckResult& r) { reported << r; });
        EXPECT_FALSE(updater.isAutomaticCheckScheduled()) << "off until the user turns it on";
        updater.setAutomaticallyChecksForUpdates(true);
        EXPECT_TRUE(store.value(QString(Updater::automaticChecksKey)).toBool());
        clock.advanceSeconds(0);
        EXPECT_TRUE(store.contains(QString(Updater::lastAutomaticCheckKey)));
        processPendingEvents();
        EXPECT_TRUE(reported.isEmpty()) << "an automatic check that finds nothing stays quiet";
        EXPECT_EQ(clock.pendingDelays(), std::vector{std::chrono::milliseconds(86400000)});
    }
    // A restart keeps the flag and the day's rhythm; a newer version is reported.
    clock.advanceSeconds(3600);
    feedFile(R"({"version": "1.3.0"})");
    Updater restarted(current, "1.2.0", &store, clock);
    QObject::connect(&restarted, &Updater::checkFinished, [&](const UpdateCheckResult& r) { reported << r; });
    EXPECT_TRUE(restarted.automaticallyChecksForUpdates());
    EXPECT_EQ(clock.pendingDelays(), std::vector{std::chrono::milliseconds(82800000)});
    clock.advanceSeconds(82800);
    EXPECT_TRUE(spinUntil([&] { return !reported.isEmpty(); }));
    EXPECT_EQ(reported.first().kind, UpdateCheckResult::Kind::updateAvailable);

    // Without a feed there is nothing to check.
    Updater unconfigured(std::nullopt, "1.2.0", &store, clock);
    EXPECT_TRUE(unconfigured.automaticallyChecksForUpdates());
    EXPECT_FALSE(unconfigured.isAutomaticCheckScheduled());
}

} // namespace

TEST_F(UpdaterTest, DownloadAddressMustBeHttpsOrPlainHttpFromALocalFeed) {
    const QUrl remoteFeed("https://releases.example.invalid/feed.json");
    const QUrl localServer("http://127.0.0.1:8080/feed.json");
    const QUrl localFile = QUrl::fromLocalFile("/tmp/feed.json");
    EXPECT_TRUE(isAcceptableDownload(QUrl("https://example.invalid/gb.tar.gz"), remoteFeed));
    EXPECT_FALSE(isAcceptableDownload(QUrl("http://example.invalid/gb.tar.gz"), remoteFeed));
    EXPECT_TRUE(isAcceptableDownload(QUrl("http://127.0.0.1:8080/gb.tar.gz"), localServer));
    EXPECT_TRUE(isAcceptableDownload(QUrl("http://localhost/gb.tar.gz"), localFile));
    for (const char* address :
         {"file:///etc/passwd", "javascript:alert(1)", "ftp://example.invalid/gb", "gb"}) {
        EXPECT_FALSE(isAcceptableDownload(QUrl(address), localServer)) << address;
        EXPECT_FALSE(isAcceptableDownload(QUrl(address), localFile)) << address;
    }

    const UpdateCheckResult result = check(feedFile(R"({"version": "2.0", "url": "file:///etc/passwd"})"));
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::failed);
    EXPECT_TRUE(result.error.contains("not an https address")) << result.error.toStdString();
}

namespace {

// A stand-in whose /feed.json fails in the way `fault` (a JSON object's members) says.
QStringList badFeed(const QString& fault) {
    return {QStringLiteral("--fault"),
            QStringLiteral(R"({"path": "/feed.json", "status": 200, %1})").arg(fault)};
}

QUrl feedAt(const StandinProcess& standin) {
    return QUrl(standin.apiBase().section(QStringLiteral("/apis/"), 0, 0) + QStringLiteral("/feed.json"));
}

// Runs a check; `out` holds its result once it ends.
QCoro::Task<> checkInto(Updater& updater, std::optional<UpdateCheckResult>& out) {
    out = co_await updater.check();
}

} // namespace

TEST(UpdaterStandinTest,
     FeedWithoutALengthIsCutOffAtItsCapAndEndsAtTheDeadlineOrTheHeadersDeadlineFromItsStart) {
    StandinProcess endless(QStringLiteral("default.json"), 0, badFeed(R"("streamSeconds": 30)"));
    ASSERT_TRUE(endless.isRunning()) << endless.startupError().toStdString();
    Updater updater(feedAt(endless), "1.2.0");
    std::optional<UpdateCheckResult> cutOff;
    EXPECT_TRUE(runToCompletion(checkInto(updater, cutOff)));
    ASSERT_TRUE(cutOff);
    EXPECT_EQ(cutOff->kind, UpdateCheckResult::Kind::failed);
    EXPECT_TRUE(cutOff->error.contains("too large")) << cutOff->error.toStdString();
    // The cap and the sockets' own buffers: far less than the stand-in could send meanwhile.
    EXPECT_LT(endless.streamedBytes(), 24 * 1024 * 1024);

    // A byte every 0.2 s: never silent for long, but minutes for the whole feed.
    StandinProcess slow(QStringLiteral("default.json"), 0, badFeed(R"("trickleSeconds": 0.2)"));
    ASSERT_TRUE(slow.isRunning()) << slow.startupError().toStdString();
    ManualClock clock;
    Updater patient(feedAt(slow), "1.2.0", nullptr, clock);
    std::optional<UpdateCheckResult> trickled;
    QCoro::Task<> task = checkInto(patient, trickled);
    spinUntil([] { return false; }, std::chrono::milliseconds(600)); // a few bytes arrive
    clock.advanceSeconds(14.9);
    processPendingEvents();
    EXPECT_FALSE(trickled);
    clock.advanceSeconds(0.1);
    ASSERT_TRUE(spinUntil([&] { return trickled.has_value(); }, std::chrono::seconds(3)));
    EXPECT_EQ(trickled->kind, UpdateCheckResult::Kind::failed);
    EXPECT_TRUE(trickled->error.contains("within 15 seconds")) << trickled->error.toStdString();

    // Headers that never end, a megabyte a second: given up at the headers' deadline, and the message says
    // so.
    StandinProcess endlessHeader(QStringLiteral("default.json"), 0, badFeed(R"("endlessHeader": 1000000)"));
    ASSERT_TRUE(endlessHeader.isRunning()) << endlessHeader.startupError().toStdString();
    Updater waiting(feedAt(endlessHeader), "1.2.0", nullptr, clock);
    std::optional<UpdateCheckResult> unanswered;
    QCoro::Task<> headerTask = checkInto(waiting, unanswered);
    spinUntil([] { return false; }, std::chrono::milliseconds(300)); // the header starts to come
    clock.advanceSeconds(4.9);
    processPendingEvents();
    EXPECT_FALSE(unanswered);
    clock.advanceSeconds(0.1);
    ASSERT_TRUE(spinUntil([&] { return unanswered.has_value(); }, std::chrono::seconds(3)));
    EXPECT_EQ(unanswered->kind, UpdateCheckResult::Kind::failed);
    EXPECT_TRUE(unanswered->error.contains("did not answer within 5 seconds"))
        << unanswered->error.toStdString();
}
