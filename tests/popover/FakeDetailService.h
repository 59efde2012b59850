#pragma once

#include "FakeScoresService.h"
#include "WaitingRequests.h"

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
    int waitingDetails() const { return m_waiting.size(); }

    // Answers the waiting request at `index` (0 = the oldest still waiting).
    void answerDetail(int index, const DetailResult& result) { m_waiting.answerAt(index, result); }

    QCoro::Task<DetailResult> fetchGameDetail(QString gameId, League league) override {
        m_detailRequests.push_back({gameId, league});
        return m_waiting.wait({gameId, league});
    }

private:
    std::vector<DetailRequest> m_detailRequests;
    WaitingRequests<DetailRequest, DetailResult> m_waiting{cancelled()};
};
