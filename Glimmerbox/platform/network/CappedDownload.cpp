#include "platform/network/CappedDownload.h"

#include <QNetworkReply>

#include <algorithm>

namespace {
// How long a reply that reported an error may take to end by itself before it is aborted.
constexpr std::chrono::seconds endAfterError{1};
} // namespace

struct CappedDownload::State : std::enable_shared_from_this<State> {
    State(QNetworkReply& reply, DownloadCaps caps, Clock& clock) : reply(reply), caps(caps), clock(clock) {}

    QNetworkReply& reply;
    DownloadCaps caps;
    Clock& clock;
    QByteArray body;
    bool sliceQueued = false;
    bool tooLarge = false;
    bool timedOut = false;
    bool headersCame = false;
    bool headersLate = false;
    ClockTimerPtr abortAfterError;
    ClockTimerPtr headersDeadline;

    // A handler of the reply's signals and of the timers, which does nothing once the download is gone. It
    // must not keep the state: Qt may destroy a connection's handler on the network thread (when an object
    // there that the reply signals goes), and the state's last owner would then take its timer down there.
    template <typename Body>
    static auto handler(const std::shared_ptr<State>& state, Body body) {
        return [weak = std::weak_ptr<State>(state), body](auto&&... arguments) {
            if (const std::shared_ptr<State> held = weak.lock())
                body(*held, std::forward<decltype(arguments)>(arguments)...);
        };
    }

    // Aborted on a later turn: the abort ends the reply, and with it whoever holds the timers.
    void abortSoon() { QMetaObject::invokeMethod(&reply, &QNetworkReply::abort, Qt::QueuedConnection); }

    void stopBeyondCap(qint64 bytes) {
        if (bytes <= caps.maxBytes || tooLarge)
            return;
        tooLarge = true;
        reply.abort();
    }

    // Qt 6.4 reports some failures without ending the reply (a body that fails to inflate, from a
    // compression bomb): it then waits, until the deadline, for the rest of a body that nobody reads. Read
    // unthrottled, that rest is dropped as it comes and the reply ends by itself; an abort would report a
    // second error, which Qt warns about, so it comes only if the rest takes longer.
    static void endSoonAfterError(const std::shared_ptr<State>& state) {
        if (state->reply.isFinished() || state->abortAfterError)
            return;
        state->reply.setReadBufferSize(0);
        state->abortAfterError = state->clock.singleShot(
            endAfterError, &state->reply, handler(state, [](State& held) { held.abortSoon(); }));
    }

    // Replaces the one of an earlier sending.
    static void startHeadersDeadline(const std::shared_ptr<State>& state) {
        state->headersDeadline = state->clock.singleShot(state->caps.headersDeadline, &state->reply,
                                                         handler(state, [](State& held) {
                                                             if (held.headersCame)
                                                                 return;
                                                             held.timedOut = true;
                                                             held.headersLate = true;
                                                             held.abortSoon();
                                                         }));
    }

    bool appendSlice() {
        const qint64 available = std::min(reply.bytesAvailable(), caps.sliceBytes);
        if (available <= 0)
            return false;
        const qsizetype start = body.size();
        body.resize(start + available);
        const qint64 read = reply.read(body.data() + start, available);
        body.resize(start + std::max<qint64>(read, 0));
        return read > 0 && reply.bytesAvailable() > 0;
    }

    // Reads a slice now and queues the next while more is left; one queued at a time. Dropped with the reply
    // or with the download.
    static void readInSlices(const std::shared_ptr<State>& state) {
        if (state->sliceQueued || !state->appendSlice())
            return;
        state->sliceQueued = true;
        QMetaObject::invokeMethod(&state->reply,
                                  handler(state,
                                          [](State& held) {
                                              held.sliceQueued = false;
                                              readInSlices(held.shared_from_this());
                                          }),
                                  Qt::QueuedConnection);
    }
};

CappedDownload::CappedDownload(QNetworkReply& reply, DownloadCaps caps, Clock& clock)
    : m_state(std::make_shared<State>(reply, caps, clock)) {
    reply.setReadBufferSize(caps.sliceBytes);
    QNetworkReply* const raw = &reply;
    const std::shared_ptr<State>& state = m_state;
    QObject::connect(raw, &QNetworkReply::metaDataChanged, raw, State::handler(state, [](State& held) {
                         held.headersCame = true;
                         const qint64 length =
                             held.reply.header(QNetworkRequest::ContentLengthHeader).toLongLong();
                         held.stopBeyondCap(length);
                         if (length > 0 && length <= held.caps.maxBytes)
                             held.body.reserve(length);
                     }));
    QObject::connect(raw, &QNetworkReply::readyRead, raw, State::handler(state, [](State& held) {
                         State::readInSlices(held.shared_from_this());
                         held.stopBeyondCap(held.body.size() + held.reply.bytesAvailable());
                     }));
    QObject::connect(
        raw, &QNetworkReply::downloadProgress, raw,
        State::handler(state, [](State& held, qint64 received, qint64) { held.stopBeyondCap(received); }));
    QObject::connect(raw, &QNetworkReply::errorOccurred, raw,
                     State::handler(state, [](State& held, QNetworkReply::NetworkError error) {
                         if (error != QNetworkReply::OperationCanceledError)
                             State::endSoonAfterError(held.shared_from_this());
                     }));
    m_deadline = clock.singleShot(caps.deadline, raw, State::handler(state, [](State& held) {
                                      held.timedOut = true;
                                      held.abortSoon();
                                  }));
    QObject::connect(raw, &QNetworkReply::requestSent, raw, State::handler(state, [](State& held) {
                         State::startHeadersDeadline(held.shared_from_this());
                     }));
}

bool CappedDownload::tooLarge() const {
    return m_state->tooLarge;
}

bool CappedDownload::timedOut() const {
    return m_state->timedOut;
}

bool CappedDownload::headersLate() const {
    return m_state->headersLate;
}

bool CappedDownload::readSlice() {
    return m_state->appendSlice();
}

QByteArray CappedDownload::takeBody() {
    // An aborted reply is closed: nothing is left to read.
    if (m_state->reply.isOpen())
        m_state->body += m_state->reply.readAll();
    m_state->stopBeyondCap(m_state->body.size());
    return std::move(m_state->body);
}
