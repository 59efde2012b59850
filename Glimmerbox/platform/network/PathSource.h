#pragma once

#include <QObject>
#include <QSet>

enum class InterfaceType { wifi, cellular, wiredEthernet, other };

// One reachability report.
struct NetworkPath {
    bool satisfied = false;
    QSet<InterfaceType> interfaces;

    bool usesInterfaceType(InterfaceType type) const { return interfaces.contains(type); }
};

// Where reachability reports come from: QNetworkInformation in the application, a fake that tests drive.
// Reports may be emitted from any thread.
class PathSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void cancel() = 0;

signals:
    void pathUpdated(const NetworkPath& path);
};
