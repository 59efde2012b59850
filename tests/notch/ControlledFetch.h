#pragma once

#include <QCoroSignal>
#include <QCoroTask>
#include <QObject>

// A fetch that stays open until the test finishes it; counts its calls.
class ControlledFetch : public QObject {
    Q_OBJECT
public:
    int calls = 0;
    QCoro::Task<> run() {
        ++calls;
        co_await qCoro(this, &ControlledFetch::finished);
    }
    void finish() { emit finished(); }
signals:
    void finished();
};
