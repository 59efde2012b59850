#pragma once

#include "platform/network/PathSource.h"

#include <QObject>

#include <memory>

// Whether a usable network exists and over which kind of interface. Every report is assigned (and its change
// signal emitted) on the GUI thread, repeats included.
class NetworkMonitor : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isConnected READ isConnected NOTIFY isConnectedChanged)
    Q_PROPERTY(InterfaceType connectionType READ connectionType NOTIFY connectionTypeChanged)
public:
    // Takes ownership of `source` and starts it.
    explicit NetworkMonitor(std::unique_ptr<PathSource> source, QObject* parent = nullptr);
    ~NetworkMonitor() override;

    static NetworkMonitor& shared();

    bool isConnected() const { return m_isConnected; }
    InterfaceType connectionType() const { return m_connectionType; }

signals:
    void isConnectedChanged(bool isConnected);
    void connectionTypeChanged(InterfaceType connectionType);

private:
    void applyPathUpdate(const NetworkPath& path);

    bool m_isConnected = true;
    InterfaceType m_connectionType = InterfaceType::wifi;
    std::unique_ptr<PathSource> m_source;
};
