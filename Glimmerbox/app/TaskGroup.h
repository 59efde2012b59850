#pragma once

#include <QCoroTask>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Children started together whose results are applied one by one as each child finishes (completion order,
// not the order in which they were added). Everything runs on the GUI thread: `apply` is called right where
// the finishing child resumes, so the caller's state sees one result at a time.
//
//     TaskGroup<LeagueGames> group([this](LeagueGames result) { ... });
//     for (const League& league : leagues)
//         group.add(fetch(league));        // QCoro tasks start at once
//     co_await group.waitForAll();
template <typename Result>
class TaskGroup {
public:
    explicit TaskGroup(std::function<void(Result)> apply)
        : m_apply(std::make_shared<std::function<void(Result)>>(std::move(apply))) {}

    // `child` is already running; a child that has finished already is applied at once.
    void add(QCoro::Task<Result> child) { m_waiting.push_back(applyWhenDone(std::move(child), m_apply)); }

    // Completes when every child added so far has finished and been applied.
    QCoro::Task<> waitForAll() {
        std::vector<QCoro::Task<>> waiting = std::move(m_waiting);
        m_waiting.clear();
        for (auto& task : waiting)
            co_await std::move(task);
    }

private:
    static QCoro::Task<> applyWhenDone(QCoro::Task<Result> child,
                                       std::shared_ptr<std::function<void(Result)>> apply) {
        Result result = co_await std::move(child);
        (*apply)(std::move(result));
    }

    std::shared_ptr<std::function<void(Result)>> m_apply;
    std::vector<QCoro::Task<>> m_waiting;
};
