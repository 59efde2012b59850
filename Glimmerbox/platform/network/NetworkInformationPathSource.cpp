#include "platform/network/NetworkInformationPathSource.h"

#include "platform/network/ReachabilityWatch.h"

#include <QNetworkInformation>

NetworkInformationPathSource::~NetworkInformationPathSource() {
    cancel();
}

void NetworkInformationPathSource::start() {
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return;
    QNetworkInformation* information = QNetworkInformation::instance();
    m_reachabilityChanged = watchReachability(information, this, &NetworkInformationPathSource::report);
    report();
}

void NetworkInformationPathSource::cancel() {
    disconnect(m_reachabilityChanged);
}

void NetworkInformationPathSource::report() {
    const QNetworkInformation* information = QNetworkInformation::instance();
    NetworkPath path;
    // Unknown counts as usable: a backend that cannot tell must not cut the application off.
    path.satisfied = information->reachability() != QNetworkInformation::Reachability::Disconnected;
    switch (information->transportMedium()) {
    case QNetworkInformation::TransportMedium::WiFi:
        path.interfaces.insert(InterfaceType::wifi);
        break;
    case QNetworkInformation::TransportMedium::Cellular:
        path.interfaces.insert(InterfaceType::cellular);
        break;
    case QNetworkInformation::TransportMedium::Ethernet:
        path.interfaces.insert(InterfaceType::wiredEthernet);
        break;
    default:
        path.interfaces.insert(InterfaceType::other);
        break;
    }
    emit pathUpdated(path);
}
