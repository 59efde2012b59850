#include "platform/Autostart.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

class AutostartTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder() const { return dir.path() + QStringLiteral("/config/autostart"); }
};

TEST_F(AutostartTest, RegisterWritesADesktopEntryNamedAfterTheAppId) {
    Autostart autostart(folder(), QStringLiteral("app.glimmerbox.Glimmerbox"),
                        QStringLiteral("/usr/bin/glimmerbox"));
    EXPECT_FALSE(autostart.registerItem());
    EXPECT_EQ(autostart.filePath(), folder() + QStringLiteral("/app.glimmerbox.Glimmerbox.desktop"));
    const QString entry = readAll(autostart.filePath());
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nName=Glimmerbox\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=/usr/bin/glimmerbox\n")));
    EXPECT_TRUE(autostart.isRegistered());
}

TEST_F(AutostartTest, ExecPathWithSpacesIsQuoted) {
    Autostart autostart(folder(), QStringLiteral("app.test"), QStringLiteral("/home/me/My Apps/glimmerbox"));
    ASSERT_FALSE(autostart.registerItem());
    EXPECT_TRUE(
        readAll(autostart.filePath()).contains(QStringLiteral("\nExec=\"/home/me/My Apps/glimmerbox\"\n")));
}

TEST_F(AutostartTest, ExecArgumentEscapesReservedCharacters) {
    EXPECT_EQ(Autostart::execArgument(QStringLiteral("/opt/glimmerbox")), QStringLiteral("/opt/glimmerbox"));
    // A literal percent sign is doubled so that it is not read as a field code.
    EXPECT_EQ(Autostart::execArgument(QStringLiteral("/opt/100%/gb")), QStringLiteral("/opt/100%%/gb"));
    // Inside quotes '"', '`' and '$' take a backslash; a backslash takes two levels of escaping.
    EXPECT_EQ(Autostart::execArgument(QStringLiteral("/a \"b\"/$x`y`")),
              QStringLiteral("\"/a \\\\\"b\\\\\"/\\\\$x\\\\`y\\\\`\""));
    EXPECT_EQ(Autostart::execArgument(QStringLiteral("/a\\b")), QStringLiteral("\"/a\\\\\\\\b\""));
}

TEST_F(AutostartTest, RegisterReplacesAnOlderEntry) {
    Autostart first(folder(), QStringLiteral("app.test"), QStringLiteral("/old/glimmerbox"));
    ASSERT_FALSE(first.registerItem());
    Autostart second(folder(), QStringLiteral("app.test"), QStringLiteral("/new/glimmerbox"));
    ASSERT_FALSE(second.registerItem());
    const QString entry = readAll(second.filePath());
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=/new/glimmerbox")));
    EXPECT_FALSE(entry.contains(QStringLiteral("/old/")));
}

TEST_F(AutostartTest, UnregisterRemovesTheEntryAndToleratesAMissingOne) {
    Autostart autostart(folder(), QStringLiteral("app.test"), QStringLiteral("/usr/bin/glimmerbox"));
    EXPECT_FALSE(autostart.unregisterItem()) << "nothing to remove is not a failure";
    ASSERT_FALSE(autostart.setEnabled(true));
    EXPECT_TRUE(autostart.isRegistered());
    EXPECT_FALSE(autostart.setEnabled(false));
    EXPECT_FALSE(QFile::exists(autostart.filePath()));
}

TEST_F(AutostartTest, FailureIsReportedWithADescription) {
    QFile blocker(dir.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Autostart autostart(blocker.fileName() + QStringLiteral("/autostart"), QStringLiteral("app.test"),
                        QStringLiteral("/usr/bin/glimmerbox"));
    const std::optional<QString> failure = autostart.registerItem();
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_FALSE(autostart.isRegistered());
}

} // namespace
