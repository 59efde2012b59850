#pragma once

#include <QObject>

// Calls `report` on every change of `information`'s reachability and on nothing else. A switch of network
// changes the transport medium in the same moment; reporting that too would give two reports, and two
// overlapping refreshes, for one switch. The medium is read afresh at each report anyway.
template <typename Information, typename Receiver, typename Report>
QMetaObject::Connection watchReachability(Information* information, Receiver* receiver, Report report) {
    return QObject::connect(information, &Information::reachabilityChanged, receiver, report);
}
