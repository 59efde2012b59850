// The autostart entry: what it says and how the program path is quoted (a failure: AppDelegateTest).
#include "platform/desktop/Autostart.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AutostartTest : public ::testing::Test {
protected:
    static QString contents(const Autostart& autostart) {
        QFile file(autostart.filePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QString folder() const { return dir.path() + "/config/autostart"; }
    QTemporaryDir dir;
};

TEST_F(AutostartTest, RegisterWritesOrReplacesTheEntryAndUnregisterRemovesIt) {
    Autostart autostart(folder(), "app.glimmerbox.Glimmerbox", "/usr/bin/glimmerbox");
    EXPECT_FALSE(autostart.unregisterItem()) << "nothing to remove is not a failure";
    EXPECT_FALSE(autostart.registerItem());
    EXPECT_EQ(autostart.filePath(), folder() + "/app.glimmerbox.Glimmerbox.desktop");
    const QString entry = contents(autostart);
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    for (const char* line : {"\nType=Application\n", "\nName=Glimmerbox\n", "\nExec=/usr/bin/glimmerbox\n"})
        EXPECT_TRUE(entry.contains(line)) << line;
    EXPECT_TRUE(autostart.isRegistered());

    Autostart moved(folder(), "app.glimmerbox.Glimmerbox", "/new/glimmerbox");
    ASSERT_FALSE(moved.setEnabled(true));
    EXPECT_TRUE(contents(moved).contains("Exec=/new/glimmerbox"));
    EXPECT_FALSE(contents(moved).contains("/usr/bin/"));

    EXPECT_FALSE(moved.setEnabled(false));
    EXPECT_FALSE(QFile::exists(moved.filePath()));
    EXPECT_FALSE(autostart.isRegistered());
}

TEST_F(AutostartTest, ExecPathIsQuotedAndEscaped) {
    Autostart autostart(folder(), "app.test", "/home/me/My Apps/glimmerbox");
    ASSERT_FALSE(autostart.registerItem());
    EXPECT_TRUE(contents(autostart).contains("\nExec=\"/home/me/My Apps/glimmerbox\"\n"));

    EXPECT_EQ(Autostart::execArgument("/opt/glimmerbox"), "/opt/glimmerbox");
    // A literal percent sign is doubled so that it is not read as a field code.
    EXPECT_EQ(Autostart::execArgument("/opt/100%/gb"), "/opt/100%%/gb");
    // Inside quotes '"', '`' and '$' take a backslash; a backslash takes two levels of escaping.
    EXPECT_EQ(Autostart::execArgument("/a \"b\"/$x`y`"), "\"/a \\\\\"b\\\\\"/\\\\$x\\\\`y\\\\`\"");
    EXPECT_EQ(Autostart::execArgument("/a\\b"), "\"/a\\\\\\\\b\"");
}

} // namespace
