// One running instance per user: later launches hand over to it and stand down.
#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QUuid>

#include <unistd.h>

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

TEST(SingleInstanceTest, NextLaunchRunsAfterAQuitAndAfterACrash) {
    const QString name = uniqueName();
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.claim());
    }
    EXPECT_TRUE(SingleInstance(name).claim());

    // A dead instance leaves its socket file; nobody answers on it.
    const QString crashed = uniqueName();
    QFile stale(QDir::tempPath() + '/' + crashed);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance instance(crashed);
    EXPECT_TRUE(instance.claim());
    EXPECT_FALSE(SingleInstance(crashed).claim()) << "the new instance listens";
}

TEST(SingleInstanceTest, DefaultNameIsPerUserAndSettingsFolder) {
    const QString name = SingleInstance::defaultServerName();
    EXPECT_TRUE(name.contains('-' + QString::number(::getuid()) + '-'));
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/glimmerbox-elsewhere");
    EXPECT_NE(SingleInstance::defaultServerName(), name);
    qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
