#include "TaskRunner.h"

#include "platform/Updater.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Answers every request on 127.0.0.1 with one fixed HTTP response.
class FixedHttpServer : public QObject {
public:
    FixedHttpServer(int status, QByteArray body) {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this, status, body] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket, status, body] {
                if (!socket->readAll().contains("\r\n\r\n"))
                    return;
                socket->write(QStringLiteral("HTTP/1.1 %1 Status\r\nContent-Type: application/json\r\n"
                                             "Content-Length: %2\r\nConnection: close\r\n\r\n")
                                  .arg(status)
                                  .arg(body.size())
                                  .toLatin1() +
                              body);
                socket->disconnectFromHost();
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(m_server.serverPort()));
    }

private:
    QTcpServer m_server;
};

class UpdaterTest : public ::testing::Test {
protected:
    QUrl feedFile(const QByteArray& contents) {
        const QString path = dir.path() + QStringLiteral("/feed.json");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(contents);
        return QUrl::fromLocalFile(path);
    }
    UpdateCheckResult check(std::optional<QUrl> feed, const QString& current = QStringLiteral("1.2.0")) {
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
    EXPECT_EQ(compareVersions(QStringLiteral("1.10"), QStringLiteral("1.9")), 1);
    EXPECT_EQ(compareVersions(QStringLiteral("1.0"), QStringLiteral("1")), 0);
    EXPECT_EQ(compareVersions(QStringLiteral("v2.0.1"), QStringLiteral("2.0.1")), 0);
    EXPECT_EQ(compareVersions(QStringLiteral("0.9.9"), QStringLiteral("1.0.0")), -1);
    EXPECT_EQ(compareVersions(QStringLiteral("1.02"), QStringLiteral("1.2")), 0);
    EXPECT_EQ(compareVersions(QStringLiteral("123456789012345678901234567890"), QStringLiteral("9")), 1);
    EXPECT_FALSE(compareVersions(QStringLiteral("1.0-beta"), QStringLiteral("1.0")));
    EXPECT_FALSE(compareVersions(QString(), QStringLiteral("1.0")));
}

TEST_F(UpdaterTest, WithoutFeedNothingIsFetchedAndTheUserIsToldNoSourceIsConfigured) {
    const UpdateCheckResult result = check(std::nullopt);
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::notConfigured);
    EXPECT_FALSE(result.isError());
    EXPECT_TRUE(result.message().contains(QStringLiteral("No update source is configured")));
}

TEST_F(UpdaterTest, NewerVersionInTheFeedIsAnUpdate) {
    const UpdateCheckResult result =
        check(feedFile(R"({"version": "1.10.0", "url": "https://example.invalid/gb-1.10.0.tar.gz"})"));
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::updateAvailable);
    EXPECT_EQ(result.latestVersion, QStringLiteral("1.10.0"));
    EXPECT_TRUE(result.message().contains(QStringLiteral("Glimmerbox 1.10.0 is available; you have 1.2.0.")));
    EXPECT_TRUE(result.message().contains(QStringLiteral("https://example.invalid/gb-1.10.0.tar.gz")));
}

TEST_F(UpdaterTest, SameOrOlderVersionIsUpToDate) {
    EXPECT_EQ(check(feedFile(R"({"version": "1.2"})")).kind, UpdateCheckResult::Kind::upToDate);
    const UpdateCheckResult older = check(feedFile(R"({"version": "1.1.9"})"));
    EXPECT_EQ(older.kind, UpdateCheckResult::Kind::upToDate);
    EXPECT_TRUE(older.message().contains(QStringLiteral("up to date")));
}

TEST_F(UpdaterTest, UnreadableFeedsAreFailuresNeverUpToDate) {
    for (const QByteArray& body :
         {QByteArray("not json"), QByteArray(R"(["1.3"])"), QByteArray(R"({"url": "x"})"),
          QByteArray(R"({"version": 2})"), QByteArray(R"({"version": "soon"})")}) {
        const UpdateCheckResult result = check(feedFile(body));
        EXPECT_EQ(result.kind, UpdateCheckResult::Kind::failed) << body.toStdString();
        EXPECT_TRUE(result.message().startsWith(QStringLiteral("The update check failed: ")));
    }
}

TEST_F(UpdaterTest, MissingFeedFileIsAFailure) {
    const UpdateCheckResult result = check(QUrl::fromLocalFile(dir.path() + QStringLiteral("/absent.json")));
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::failed);
}

TEST_F(UpdaterTest, HttpFeedIsReadAndErrorStatusIsAFailure) {
    FixedHttpServer good(200, R"({"version": "2.0"})");
    EXPECT_EQ(check(good.url()).kind, UpdateCheckResult::Kind::updateAvailable);

    FixedHttpServer missing(404, R"({"version": "9.0"})");
    const UpdateCheckResult result = check(missing.url());
    EXPECT_EQ(result.kind, UpdateCheckResult::Kind::failed);
    EXPECT_TRUE(result.error.contains(QStringLiteral("404")));
}

TEST_F(UpdaterTest, MenuActionReportsTheResult) {
    Updater updater(feedFile(R"({"version": "1.2.0"})"), QStringLiteral("1.2.0"));
    QList<UpdateCheckResult> reports;
    QObject::connect(&updater, &Updater::checkFinished,
                     [&reports](const UpdateCheckResult& result) { reports.append(result); });
    updater.checkForUpdates();
    ASSERT_TRUE(spinUntil([&reports] { return !reports.isEmpty(); }));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports.first().kind, UpdateCheckResult::Kind::upToDate);
}

TEST_F(UpdaterTest, FeedComesFromTheEnvironment) {
    qunsetenv(Updater::feedVariable);
    EXPECT_FALSE(Updater::feedFromEnvironment());
    qputenv(Updater::feedVariable, "http://127.0.0.1:1/feed.json");
    EXPECT_EQ(Updater::feedFromEnvironment(), QUrl(QStringLiteral("http://127.0.0.1:1/feed.json")));
    qunsetenv(Updater::feedVariable);
}

} // namespace
