#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running instance per user. The first instance listens on a local socket; a later one connects, asks
// the first to open its settings window, and is told to exit.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `serverName` names the socket; the default is per user and settings folder, in the runtime folder.
    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultServerName();

    // True when this process is now the one instance (it listens from here on); false after a running
    // instance was asked to show itself. Blocks briefly while talking to that instance, before the event
    // loop starts.
    bool claim();

signals:
    // Another launch asked this instance to open its settings window.
    void activationRequested();

private:
    bool notifyRunningInstance();
    // Beside the socket, in the runtime folder.
    QString lockFileName() const;
    void acceptConnections();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};
