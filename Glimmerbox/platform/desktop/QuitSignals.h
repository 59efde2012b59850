#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into quitRequested() on the GUI thread, so that they take the
// application's normal quit path (signals reach the event loop through a self-pipe), and the session
// manager's request for the data into saveRequested().
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // Installs the handlers; one instance per process.
    void install();

signals:
    void quitRequested();
    void saveRequested();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
