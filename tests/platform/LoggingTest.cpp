#include "platform/Logging.h"

#include <gtest/gtest.h>

#include <latch>
#include <thread>

TEST(LoggingTest, CategoriesShareTheApplicationPrefix) {
    const QString api = QString::fromUtf8(apiLogger().categoryName());
    EXPECT_TRUE(api.endsWith(u".API"));
    const QString prefix = api.chopped(3);
    EXPECT_EQ(QString::fromUtf8(notificationsLogger().categoryName()),
              prefix + QStringLiteral("Notifications"));
    EXPECT_EQ(QString::fromUtf8(generalLogger().categoryName()), prefix + QStringLiteral("General"));
}

TEST(LoggingTest, ConcurrentFirstUseYieldsOneLogger) {
    std::latch start(2);
    const QLoggingCategory* seen[2] = {nullptr, nullptr};
    auto use = [&](int slot) {
        start.arrive_and_wait();
        seen[slot] = &notificationsLogger();
    };
    std::thread first(use, 0);
    std::thread second(use, 1);
    first.join();
    second.join();
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0], &notificationsLogger());
}
