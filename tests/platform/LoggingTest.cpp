#include "platform/Logging.h"
#include "BuildInfo.h"

#include <gtest/gtest.h>

#include <latch>
#include <thread>

// The category names are literals that must stay in step with the application id.
TEST(LoggingTest, CategoriesAreNamedUnderTheApplicationId) {
    const QByteArray prefix = QByteArray(BuildInfo::appId) + '.';
    EXPECT_EQ(QByteArray(apiLogger().categoryName()), prefix + "API");
    EXPECT_EQ(QByteArray(notificationsLogger().categoryName()), prefix + "Notifications");
    EXPECT_EQ(QByteArray(generalLogger().categoryName()), prefix + "General");
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
