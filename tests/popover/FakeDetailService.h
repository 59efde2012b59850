#pragma once

#include "FakeScoresService.h"

#include <coroutine>
#include <memory>
#include <optional>
#include <vector>

// A scores service whose summary requests wait until the test answers them, in any order. Answering
// resumes the caller right there, on the GUI thread.
class FakeDetailService : public FakeScoresService {
public:
    using DetailResult = ServiceResult<GameDetail>;
    struct DetailRequest {
        QString gameId;
        League league;
    };
    const std::vector<DetailRequest>& detailRequests() const { return m_detailRequests; }
    int waitingDetails() const { return static_cast<int>(m_waiting.size()); }

    // Answers the waiting request at `index` (0 = the oldest still waiting).
    void answerDetail(int index, const DetailResult& result) {
        const std::shared_ptr<Waiting> waiting = m_waiting.at(static_cast<size_t>(index));
        m_waiting.erase(m_waiting.begin() + index);
        waiting->result = result;
        if (waiting->caller)
            waiting->caller.resume();
    }

    QCoro::Task<DetailResult> fetchGameDetail(QString gameId, League league) override {
        m_detailRequests.push_back({gameId, league});
        auto waiting = std::make_shared<Waiting>();
        m_waiting.push_back(waiting);
        // A named awaiter: GCC 12 destroys an aggregate temporary inside co_await twice.
        Answered answered{waiting};
        co_return co_await answered;
    }

private:
    struct Waiting {
        std::optional<DetailResult> result;
        std::coroutine_handle<> caller;
    };
    struct Answered {
        std::shared_ptr<Waiting> waiting;
        bool await_ready() const noexcept { return waiting->result.has_value(); }
        void await_suspend(std::coroutine_handle<> caller) noexcept { waiting->caller = caller; }
        DetailResult await_resume() { return std::move(*waiting->result); }
    };

    std::vector<DetailRequest> m_detailRequests;
    std::vector<std::shared_ptr<Waiting>> m_waiting;
};
