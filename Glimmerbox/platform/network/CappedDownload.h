#pragma once

#include "platform/time/Clock.h"

#include <QByteArray>

#include <chrono>
#include <memory>

class QNetworkReply;

// What one download may take.
struct DownloadCaps {
    qint64 maxBytes = 0;
    // From the start, however the bytes arrive: Qt's transfer time-out only measures silence, and a reply
    // trickling a byte now and then would never end.
    std::chrono::milliseconds deadline{0};
    // What the reply holds before it is read, and the most taken out of it in one go. The network stops
    // reading while the reply is full, so that one arriving faster than it is read waits in the socket, not
    // in memory; and a large piece copied at once would hold the thread for milliseconds.
    qint64 sliceBytes = 0;
    // From the request's sending to its reply's headers. Qt reads a reply's headers whole, a byte at a time,
    // on its manager's network thread, before any bound of its own applies: headers that come slowly or never
    // end would hold that thread, and grow in memory, until the deadline. Counted from the sending (again at
    // each resending), not from the request: a request waits in its manager's queue, unsent, while the few
    // connections to its host serve those before it, and on a slow link that wait alone can be seconds.
    std::chrono::milliseconds headersDeadline{5000};
};

// A reply's body, read out of it as it arrives, a slice per turn of the event loop, into room reserved once
// for the length announced. Its bytes are counted as they arrive, whether a length was announced or not, and
// the reply is cut off once past the cap; it is given up at the deadline, or at the headers' deadline when
// its headers have not all come by then. Each ends it with an error, and so does any error the network
// reports.
class CappedDownload {
public:
    CappedDownload(QNetworkReply& reply, DownloadCaps caps, Clock& clock);

    bool tooLarge() const;
    // Past either deadline.
    bool timedOut() const;
    // Past the headers' deadline without them.
    bool headersLate() const;
    // Moves up to a slice more of what the finished reply holds to the body; whether more is left.
    bool readSlice();
    // The body with all that the reply still holds; past the cap, it counts as too large.
    QByteArray takeBody();

private:
    struct State;
    // The handlers of the reply's signals see it while this lives; the reply may still signal after this is
    // gone, and they then do nothing.
    std::shared_ptr<State> m_state;
    ClockTimerPtr m_deadline;
};
