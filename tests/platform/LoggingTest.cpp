#include "platform/Logging.h"
#include "BuildInfo.h"

#include <gtest/gtest.h>

// The category names are literals that must stay in step with the application id.
TEST(LoggingTest, CategoriesAreNamedUnderTheApplicationId) {
    const QByteArray prefix = QByteArray(BuildInfo::appId) + '.';
    EXPECT_EQ(QByteArray(apiLogger().categoryName()), prefix + "API");
    EXPECT_EQ(QByteArray(notificationsLogger().categoryName()), prefix + "Notifications");
    EXPECT_EQ(QByteArray(generalLogger().categoryName()), prefix + "General");
}
