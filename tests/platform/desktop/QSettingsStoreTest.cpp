#include "platform/desktop/QSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(QSettingsStoreTest, AnEmptyListIsStoredAsAnEmptyListNotAsNoValue) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString fileName = directory.filePath(QStringLiteral("Glimmerbox.conf"));
    {
        QSettingsStore store(fileName);
        store.setValue(QStringLiteral("empty"), QStringList{});
        store.setValue(QStringLiteral("two"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        store.sync();
    }
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_FALSE(text.contains("@Invalid()")) << text.toStdString();
    EXPECT_TRUE(text.contains("two=a, b")) << text.toStdString();

    // Read back from the file's text, not from the writer's memory.
    QSettings reader(fileName, QSettings::IniFormat);
    const QVariant empty = reader.value(QStringLiteral("empty"));
    EXPECT_TRUE(empty.isValid());
    EXPECT_EQ(empty.toStringList(), QStringList{});
}
