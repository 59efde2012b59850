#include "service/OffThread.h"

#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Records the thread on which the instance that still owns something is destroyed; moved-from ones record
// nothing.
struct DestroyedOn {
    std::shared_ptr<QThread*> thread;
    ~DestroyedOn() {
        if (thread)
            *thread = QThread::currentThread();
    }
    explicit DestroyedOn(std::shared_ptr<QThread*> where) : thread(std::move(where)) {}
    DestroyedOn(DestroyedOn&&) = default;
};

} // namespace

TEST(ReleaseOnTest, TheValueIsDestroyedOnThePoolsThreadNotTheCallers) {
    QThreadPool pool;
    auto thread = std::make_shared<QThread*>(nullptr);
    releaseOn(pool, DestroyedOn(thread));
    pool.waitForDone();
    ASSERT_NE(*thread, nullptr);
    EXPECT_NE(*thread, QThread::currentThread());
}
