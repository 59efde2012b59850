#pragma once

#include <QCoroTask>

#include <gtest/gtest.h>

#include <coroutine>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Requests that wait until the test answers them, in any order. Answering resumes the caller right there, on
// the GUI thread. Whatever still waits when the queue goes away gets `leftover`: a caller left suspended
// would keep its coroutine frames, and everything they hold, forever. So callers must cope with being
// resumed at that point (those that outlive their owner check it through a QPointer), and an owner that
// dies before the queue must have its requests answered first, with `answerAll`.
template <typename Request, typename Result>
class WaitingRequests {
public:
    explicit WaitingRequests(Result leftover) : m_leftover(std::move(leftover)) {}
    ~WaitingRequests() { answerAll(m_leftover); }
    WaitingRequests(const WaitingRequests&) = delete;
    WaitingRequests& operator=(const WaitingRequests&) = delete;

    // Completes with the answer. Touches the queue only before it suspends, so the queue may go first.
    QCoro::Task<Result> wait(Request request) {
        auto entry = std::make_shared<Entry>();
        entry->request = std::move(request);
        m_entries.push_back(entry);
        // Named: g++ 12 destroys a temporary awaiter inside a co_return twice.
        Answered answered(entry);
        co_return co_await answered;
    }

    int size() const { return static_cast<int>(m_entries.size()); }
    const Request& at(int index) const { return m_entries.at(static_cast<size_t>(index))->request; }

    void answerAt(int index, Result result) {
        const std::shared_ptr<Entry> entry = m_entries.at(static_cast<size_t>(index));
        m_entries.erase(m_entries.begin() + index);
        entry->result = std::move(result);
        if (entry->waiter)
            entry->waiter.resume();
    }

    // The oldest waiting request that `matches`; false when none does.
    bool answerFirst(const std::function<bool(const Request&)>& matches, Result result) {
        for (int index = 0; index < size(); ++index) {
            if (matches(at(index))) {
                answerAt(index, std::move(result));
                return true;
            }
        }
        return false;
    }

    // Answers every waiting request, those made while answering included.
    void answerAll(const Result& result) {
        for (int answered = 0; !m_entries.empty(); ++answered) {
            if (answered == maxAnswersAtOnce) {
                ADD_FAILURE() << "requests keep coming while every waiting one is answered";
                return;
            }
            answerAt(0, result);
        }
    }

private:
    static constexpr int maxAnswersAtOnce = 1000;

    struct Entry {
        Request request;
        std::optional<Result> result;
        std::coroutine_handle<> waiter;
    };
    // QCoro copies what it awaits, so the awaiter holds the entry rather than being it.
    struct Answered {
        explicit Answered(std::shared_ptr<Entry> entry) : entry(std::move(entry)) {}
        std::shared_ptr<Entry> entry;
        bool await_ready() const noexcept { return entry->result.has_value(); }
        void await_suspend(std::coroutine_handle<> waiter) noexcept { entry->waiter = waiter; }
        Result await_resume() { return std::move(*entry->result); }
    };

    std::vector<std::shared_ptr<Entry>> m_entries;
    Result m_leftover;
};
