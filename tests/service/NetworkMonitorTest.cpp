#include "service/NetworkMonitor.h"
#include "FakePathSource.h"
#include "TaskRunner.h"

#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class NetworkMonitorTest : public ::testing::Test {
protected:
    NetworkMonitorTest() {
        auto fake = std::make_unique<FakePathSource>();
        source = fake.get();
        monitor = std::make_unique<NetworkMonitor>(std::move(fake));
    }

    FakePathSource* source = nullptr;
    std::unique_ptr<NetworkMonitor> monitor;
};

} // namespace

TEST_F(NetworkMonitorTest, EveryReportIsDeliveredOnceLaterRepeatsIncluded) {
    // Before the first report it counts as connected over Wi-Fi.
    EXPECT_EQ(source->startCount, 1);
    EXPECT_TRUE(monitor->isConnected());
    EXPECT_EQ(monitor->connectionType(), InterfaceType::wifi);

    QSignalSpy connected(monitor.get(), &NetworkMonitor::isConnectedChanged);
    source->report(true, {InterfaceType::wiredEthernet});
    source->report(true, {InterfaceType::wiredEthernet});
    source->report(false);
    EXPECT_EQ(connected.count(), 0)
        << "reports are applied from the event loop, not inside the source's call";
    EXPECT_TRUE(monitor->isConnected());

    processPendingEvents();
    QList<bool> values;
    for (const QList<QVariant>& arguments : connected)
        values.append(arguments.at(0).toBool());
    EXPECT_EQ(values, (QList<bool>{true, true, false}));
    EXPECT_FALSE(monitor->isConnected());
}

TEST_F(NetworkMonitorTest, WifiIsPreferredAndNoUsableInterfaceLeavesTheTypeAlone) {
    QSignalSpy type(monitor.get(), &NetworkMonitor::connectionTypeChanged);
    source->report(true, {InterfaceType::wiredEthernet, InterfaceType::cellular, InterfaceType::wifi});
    processPendingEvents();
    EXPECT_EQ(monitor->connectionType(), InterfaceType::wifi);
    source->report(true, {InterfaceType::wiredEthernet, InterfaceType::cellular});
    processPendingEvents();
    EXPECT_EQ(monitor->connectionType(), InterfaceType::cellular);
    source->report(false, {InterfaceType::other});
    processPendingEvents();
    EXPECT_FALSE(monitor->isConnected());
    EXPECT_EQ(monitor->connectionType(), InterfaceType::cellular);
    EXPECT_EQ(type.count(), 2);
}

TEST_F(NetworkMonitorTest, ReportsFromAnotherThreadAreAppliedOnTheGuiThread) {
    QThread* appliedOn = nullptr;
    QObject::connect(
        monitor.get(), &NetworkMonitor::isConnectedChanged, monitor.get(),
        [&appliedOn] { appliedOn = QThread::currentThread(); }, Qt::DirectConnection);
    std::unique_ptr<QThread> reporter(QThread::create([this] { source->report(false); }));
    reporter->start();
    reporter->wait();

    ASSERT_TRUE(spinUntil([&] { return appliedOn != nullptr; }));
    EXPECT_EQ(appliedOn, QThread::currentThread());
    EXPECT_FALSE(monitor->isConnected());
}
