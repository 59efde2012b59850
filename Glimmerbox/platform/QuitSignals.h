#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT, SIGHUP and the end of the desktop session into quitRequested() on the GUI thread, so
// that they take the application's normal quit path. Signals reach the event loop through a self-pipe.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // Installs the handlers; one instance per process.
    void install();

signals:
    void quitRequested();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
