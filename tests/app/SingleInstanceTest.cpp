#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QUuid>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QString uniqueName() {
    return QStringLiteral("glimmerbox-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TEST(SingleInstanceTest, SecondLaunchAsksTheFirstToShowItselfAndStandsDown) {
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);

    {
        SingleInstance second(name);
        EXPECT_FALSE(second.claim());
    } // the second launch has exited
    EXPECT_TRUE(activations.wait(2000));
    EXPECT_EQ(activations.size(), 1);
}

TEST(SingleInstanceTest, EachLaterLaunchActivatesTheRunningInstanceAgain) {
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    for (int i = 0; i < 2; ++i) {
        SingleInstance later(name);
        EXPECT_FALSE(later.claim());
    }
    while (activations.size() < 2 && activations.wait(2000)) {
    }
    EXPECT_EQ(activations.size(), 2);
}

TEST(SingleInstanceTest, NextLaunchAfterTheFirstQuitRunsAgain) {
    const QString name = uniqueName();
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.claim());
    }
    SingleInstance next(name);
    EXPECT_TRUE(next.claim());
}

TEST(SingleInstanceTest, SocketLeftBehindByACrashDoesNotBlockTheNextLaunch) {
    const QString name = uniqueName();
    // A dead instance leaves its socket file; nobody answers on it.
    QFile stale(QDir::tempPath() + QLatin1Char('/') + name);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstance instance(name);
    EXPECT_TRUE(instance.claim());
    SingleInstance second(name);
    EXPECT_FALSE(second.claim()) << "the new instance listens";
}

TEST(SingleInstanceTest, DefaultNameIsPerUserAndSettingsFolder) {
    const QString name = SingleInstance::defaultServerName();
    EXPECT_TRUE(name.contains(QLatin1Char('-') + QString::number(::getuid()) + QLatin1Char('-')));
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/glimmerbox-elsewhere");
    EXPECT_NE(SingleInstance::defaultServerName(), name);
    qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
