#include "platform/QuitSignals.h"

#include <QSignalSpy>

#include <csignal>

#include <gtest/gtest.h>

namespace {

TEST(QuitSignalsTest, TermAndInterruptBecomeQuitRequests) {
    QuitSignals handler;
    handler.install();
    QSignalSpy quit(&handler, &QuitSignals::quitRequested);

    std::raise(SIGTERM);
    ASSERT_TRUE(quit.wait(2000));
    std::raise(SIGINT);
    ASSERT_TRUE(quit.wait(2000));
    EXPECT_EQ(quit.size(), 2);
}

} // namespace
