#include "platform/network/ReachabilityWatch.h"

#include <gtest/gtest.h>

namespace {

// Both changes a network switch brings, as the system's network information sends them.
class SwitchingNetwork : public QObject {
    Q_OBJECT
signals:
    void reachabilityChanged(int reachability);
    void transportMediumChanged(int medium);
};

} // namespace

TEST(ReachabilityWatchTest, ANetworkSwitchIsReportedOnce) {
    SwitchingNetwork network;
    QObject receiver;
    int reports = 0;
    watchReachability(&network, &receiver, [&] { ++reports; });

    emit network.reachabilityChanged(4);
    emit network.transportMediumChanged(2);
    EXPECT_EQ(reports, 1);
}

#include "ReachabilityWatchTest.moc"
