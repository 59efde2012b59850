#pragma once

#include "platform/network/PathSource.h"

#include <QMetaObject>

// Reachability from QNetworkInformation: the first backend that can tell reachability. Reports the current
// path at start and on every change of reachability. Without such a backend it reports nothing, so the
// monitor keeps its initial "connected".
class NetworkInformationPathSource final : public PathSource {
    Q_OBJECT
public:
    using PathSource::PathSource;
    ~NetworkInformationPathSource() override;

    void start() override;
    void cancel() override;

private:
    void report();

    QMetaObject::Connection m_reachabilityChanged;
};
