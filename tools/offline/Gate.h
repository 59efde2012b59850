#pragma once

#include <QObject>

// A made-up request that is held open: whatever awaits `opened` goes on once the gate opens. Owners open it
// before they go, so that no coroutine is left suspended (and its frame kept) at exit.
class Gate : public QObject {
    Q_OBJECT
signals:
    void opened();
};
