#include "platform/network/CappedDownload.h"

#include "ManualClock.h"

#include <QNetworkReply>

#include <gtest/gtest.h>

#include <optional>

using namespace std::chrono_literals;

namespace {

// A reply that the test drives by emitting its signals, and that counts its aborts.
class DrivenReply final : public QNetworkReply {
public:
    DrivenReply() { open(QIODevice::ReadOnly); }
    void abort() override { ++aborts; }
    int aborts = 0;

protected:
    qint64 readData(char*, qint64) override { return 0; }
};

constexpr DownloadCaps caps{.maxBytes = 1000, .deadline = 15s, .sliceBytes = 100, .headersDeadline = 5s};

} // namespace

// Qt may let go of a reply's handlers on its network thread, long after the download that set them up is
// done. So the handlers keep nothing of it: once it is gone they do nothing, and what they would have done
// with its state (here, cut off a reply past the cap) no longer happens.
TEST(CappedDownloadTest, TheReplysHandlersKeepNothingOfADownloadThatIsGone) {
    ManualClock clock;
    DrivenReply reply;
    std::optional<CappedDownload> download(std::in_place, reply, caps, clock);

    emit reply.downloadProgress(1001, -1);
    EXPECT_TRUE(download->tooLarge());
    EXPECT_EQ(reply.aborts, 1) << "past the cap while the download lives";

    DrivenReply later;
    download.emplace(later, caps, clock);
    download.reset();
    emit later.downloadProgress(5000, -1);
    emit later.errorOccurred(QNetworkReply::RemoteHostClosedError);
    clock.advance(20s);
    EXPECT_EQ(later.aborts, 0) << "the handlers acted for a download that is gone";
}

// A request waits, unsent, for one of the few connections to its host; its headers' deadline counts from its
// sending, again at each one. The whole reply's deadline still counts from the request.
TEST(CappedDownloadTest, TheHeadersDeadlineCountsFromTheSendingNotFromTheRequest) {
    ManualClock clock;
    DrivenReply reply;
    CappedDownload download(reply, caps, clock);

    clock.advance(3s); // queued behind other requests
    emit reply.requestSent();
    clock.advance(4s);
    EXPECT_FALSE(download.timedOut());
    emit reply.requestSent(); // sent again, on a fresh connection
    clock.advance(4s);
    EXPECT_FALSE(download.timedOut());
    clock.advance(1s);
    EXPECT_TRUE(download.headersLate());
    EXPECT_TRUE(download.timedOut());
}
