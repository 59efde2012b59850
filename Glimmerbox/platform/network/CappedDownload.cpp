#include "platform/network/CappedDownload.h"

#include <QNetworkReply>

#include <algorithm>

struct CappedDownload::State {
    QNetworkReply& reply;
    DownloadCaps caps;
    QByteArray body;
    bool sliceQueued = false;
    bool tooLarge = false;
    bool timedOut = false;

    void stopBeyondCap(qint64 bytes) {
        if (bytes <= caps.maxBytes || tooLarge)
            return;
        tooLarge = true;
        reply.abort();
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

    // Reads a slice now and queues the next while more is left; one queued at a time. Dropped with the reply.
    static void readInSlices(const std::shared_ptr<State>& state) {
        if (state->sliceQueued || !state->appendSlice())
            return;
        state->sliceQueued = true;
        QMetaObject::invokeMethod(
            &state->reply,
            [state] {
                state->sliceQueued = false;
                readInSlices(state);
            },
            Qt::QueuedConnection);
    }
};

CappedDownload::CappedDownload(QNetworkReply& reply, DownloadCaps caps, Clock& clock)
    : m_state(std::make_shared<State>(State{reply, caps, {}})) {
    reply.setReadBufferSize(caps.sliceBytes);
    QNetworkReply* const raw = &reply;
    const std::shared_ptr<State>& state = m_state;
    QObject::connect(raw, &QNetworkReply::metaDataChanged, raw, [state] {
        const qint64 length = state->reply.header(QNetworkRequest::ContentLengthHeader).toLongLong();
        state->stopBeyondCap(length);
        if (length > 0 && length <= state->caps.maxBytes)
            state->body.reserve(length);
    });
    QObject::connect(raw, &QNetworkReply::readyRead, raw, [state] {
        State::readInSlices(state);
        state->stopBeyondCap(state->body.size() + state->reply.bytesAvailable());
    });
    QObject::connect(raw, &QNetworkReply::downloadProgress, raw,
                     [state](qint64 received, qint64) { state->stopBeyondCap(received); });
    // Aborted on a later turn: the abort ends the reply, and with it whoever holds this timer.
    m_deadline = clock.singleShot(caps.deadline, raw, [state] {
        state->timedOut = true;
        QMetaObject::invokeMethod(&state->reply, &QNetworkReply::abort, Qt::QueuedConnection);
    });
}

bool CappedDownload::tooLarge() const {
    return m_state->tooLarge;
}

bool CappedDownload::timedOut() const {
    return m_state->timedOut;
}

bool CappedDownload::readSlice() {
    return m_state->appendSlice();
}

QByteArray CappedDownload::takeBody() {
    m_state->body += m_state->reply.readAll();
    m_state->stopBeyondCap(m_state->body.size());
    return std::move(m_state->body);
}
