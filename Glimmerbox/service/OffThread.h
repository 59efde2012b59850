#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <coroutine>
#include <functional>
#include <memory>
#include <optional>

// Awaits a job run on a thread pool and resumes the awaiting coroutine on the thread of `context`; take()
// then hands over the job's result. Keep it in a named variable and await that: g++ 12 destroys some
// temporaries inside co_await and co_return twice. When `context` is gone first, the coroutine never resumes.
template <typename R>
class OffThread {
public:
    OffThread(QThreadPool& pool, QObject& context, std::function<R()> job)
        : m_pool(&pool), m_context(&context), m_job(std::move(job)),
          m_result(std::make_shared<std::optional<R>>()) {}

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiter) {
        m_pool->start([job = m_job, result = m_result, context = m_context, waiter] {
            result->emplace(job());
            QMetaObject::invokeMethod(
                context.data(), [waiter] { waiter.resume(); }, Qt::QueuedConnection);
        });
    }
    void await_resume() const noexcept {}
    R take() { return std::move(**m_result); }

private:
    QThreadPool* m_pool;
    QPointer<QObject> m_context;
    std::function<R()> m_job;
    std::shared_ptr<std::optional<R>> m_result;
};

// Hands `value` to `pool`, whose thread destroys it: freeing a large result (thousands of games) takes tens
// of milliseconds, which its last owner need not spend on the GUI thread.
template <typename T>
void releaseOn(QThreadPool& pool, T value) {
    auto owned = std::make_shared<T>(std::move(value));
    pool.start([owned = std::move(owned)]() mutable { owned.reset(); });
}
