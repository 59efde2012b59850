#include "TaskRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct Completion {
    bool finished = false;
    QEventLoop loop;
};

QCoro::Task<> markWhenDone(QCoro::Task<> task, std::shared_ptr<Completion> completion) {
    co_await std::move(task);
    completion->finished = true;
    completion->loop.quit();
}
} // namespace

bool runToCompletion(QCoro::Task<> task, std::chrono::milliseconds timeout) {
    auto completion = std::make_shared<Completion>();
    markWhenDone(std::move(task), completion);
    if (!completion->finished) {
        QTimer::singleShot(timeout, &completion->loop, &QEventLoop::quit);
        completion->loop.exec();
    }
    if (!completion->finished)
        ADD_FAILURE() << "task did not finish";
    return completion->finished;
}

void processPendingEvents() {
    for (int round = 0; round < 20; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool spinUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeout.count())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
