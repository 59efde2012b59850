#include "StubAppState.h"

#include "popover/detail/GameDetailView.h"
#include "shell/GameDetailWindows.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

TEST(GameDetailWindowsTest, OneWindowPerGameCreatedOnDemandAndReopenedFreshOnceClosed) {
    StubAppState app;
    GameDetailWindows windows(app.state, app.api);
    QPointer<QWidget> first = windows.open("401");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(qobject_cast<GameDetailView*>(first)->gameId(), "401");
    EXPECT_EQ(windows.open("401"), first);
    EXPECT_NE(windows.open("402"), first);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    QWidget* second = windows.open("401");
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
}

} // namespace
