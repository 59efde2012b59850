// One running instance per user: later launches hand over to it and stand down.
#include "platform/desktop/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QUuid>

#include <unistd.h>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

QString uniqueName() {
    return "glimmerbox-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TEST(SingleInstanceTest, EachLaterLaunchAsksTheFirstToShowItselfAndStandsDown) {
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    for (int i = 0; i < 2; ++i) {
        SingleInstance later(name);
        EXPECT_FALSE(later.claim());
    } // each later launch has exited
    while (activations.size() < 2 && activations.wait(2000)) {
    }
    EXPECT_EQ(activations.size(), 2);
}

// After a crash (a socket file nobody answers on) see the racing case below.
TEST(SingleInstanceTest, NextLaunchRunsAfterAQuit) {
    const QString name = uniqueName();
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.claim());
    }
    SingleInstance next(name);
    EXPECT_TRUE(next.claim());
    EXPECT_FALSE(SingleInstance(name).claim()) << "the new instance listens";
}

TEST(SingleInstanceTest, LaunchesRacingAfterACrashLeaveExactlyOneInstance) {
    constexpr int launches = 8;
    for (int round = 0; round < 10; ++round) {
        const QString crashed = uniqueName();
        QFile stale(QDir::tempPath() + '/' + crashed);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.close();

        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < launches; ++i) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->start(QStringLiteral(GLIMMERBOX_TEST_CLAIMANT), {crashed});
        }
        int instances = 0;
        for (const auto& process : processes) {
            ASSERT_TRUE(process->waitForReadyRead(10000)) << "a launch did not decide";
            const QByteArray answer = process->readLine().trimmed();
            EXPECT_TRUE(answer == "instance" || answer == "handed over") << answer.toStdString();
            instances += answer == "instance" ? 1 : 0;
        }
        EXPECT_EQ(instances, 1) << "round " << round;
        for (const auto& process : processes) {
            process->closeWriteChannel();
            EXPECT_TRUE(process->waitForFinished(10000));
        }
        QFile::remove(QDir::tempPath() + '/' + crashed);
    }
}

TEST(SingleInstanceTest, DefaultNameIsPerUserAndSettingsFolder) {
    const QString name = SingleInstance::defaultServerName();
    EXPECT_TRUE(name.contains('-' + QString::number(::getuid()) + '-'));
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/glimmerbox-elsewhere");
    EXPECT_NE(SingleInstance::defaultServerName(), name);
    // Put back as it was: an unset variable must not come back set and empty.
    if (wasSet)
        qputenv("XDG_CONFIG_HOME", saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
