#include "NetworkMonitor.h"

#include "platform/network/NetworkInformationPathSource.h"

NetworkMonitor::NetworkMonitor(std::unique_ptr<PathSource> source, QObject* parent)
    : QObject(parent), m_source(std::move(source)) {
    // Queued even from the GUI thread: each report is applied later, in order, and never after destruction.
    connect(m_source.get(), &PathSource::pathUpdated, this, &NetworkMonitor::applyPathUpdate,
            Qt::QueuedConnection);
    m_source->start();
}

NetworkMonitor::~NetworkMonitor() {
    m_source->cancel();
}

NetworkMonitor& NetworkMonitor::shared() {
    static auto* monitor = new NetworkMonitor(std::make_unique<NetworkInformationPathSource>());
    return *monitor;
}

void NetworkMonitor::applyPathUpdate(const NetworkPath& path) {
    // Assigned on every report, repeats included, so subscribers see one value per report.
    m_isConnected = path.satisfied;
    emit isConnectedChanged(m_isConnected);

    for (const InterfaceType type :
         {InterfaceType::wifi, InterfaceType::cellular, InterfaceType::wiredEthernet}) {
        if (path.usesInterfaceType(type)) {
            m_connectionType = type;
            emit connectionTypeChanged(m_connectionType);
            return;
        }
    }
}
