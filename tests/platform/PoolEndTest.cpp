#include "platform/PoolEnd.h"

#include "LogCapture.h"

#include <QSemaphore>
#include <QThreadPool>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(PoolEndTest, AJobStillRunningIsWaitedForButNoLongerThanTheBound) {
    QThreadPool pool;
    QSemaphore started;
    QSemaphore proceed;
    std::atomic<bool> finished = false;
    const auto job = [&] {
        started.release();
        proceed.acquire();
        finished = true;
    };

    pool.start(job);
    started.acquire();
    std::thread soon([&] {
        std::this_thread::sleep_for(50ms);
        proceed.release();
    });
    endPool(pool, 10s);
    EXPECT_TRUE(finished) << "the pool ended while its job still ran";
    soon.join();

    // A job that runs on past the bound: the pool ends all the same, and says so.
    finished = false;
    LogCapture log;
    pool.start(job);
    started.acquire();
    endPool(pool, 20ms);
    EXPECT_FALSE(finished);
    EXPECT_EQ(log.warnings().size(), 1) << qPrintable(log.messages.join('\n'));
    proceed.release();
    pool.waitForDone();
}
