#pragma once

#include "WaitingRequests.h"

#include <QCoroTask>

#include <variant>

// A fetch that stays open until the test finishes it; counts its calls. One still open when the fetch goes
// away ends then.
class ControlledFetch {
public:
    int calls = 0;
    QCoro::Task<> run() {
        ++calls;
        co_await m_open.wait({});
    }
    void finish() { m_open.answerAll(true); }

private:
    // Answered with whether the test finished it.
    WaitingRequests<std::monostate, bool> m_open{false};
};
