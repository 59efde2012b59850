#include "platform/desktop/QuitSignals.h"

#include <QSignalSpy>

#include <csignal>

#include <gtest/gtest.h>

namespace {

TEST(QuitSignalsTest, TermInterruptAndHangUpBecomeQuitRequests) {
    QuitSignals handler;
    handler.install();
    QSignalSpy quit(&handler, &QuitSignals::quitRequested);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        std::raise(signal);
        ASSERT_TRUE(quit.wait(2000)) << "signal " << signal;
    }
    EXPECT_EQ(quit.size(), 3);
}

} // namespace
