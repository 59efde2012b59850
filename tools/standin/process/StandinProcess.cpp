#include "StandinProcess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QTcpSocket>

namespace {
// Generous: a scenario of thousands of events takes a while to load.
constexpr int startupTimeoutMs = 30000;
const QByteArray readyPrefix = "listening on 127.0.0.1:";
} // namespace

StandinProcess::StandinProcess(const QString& scenario, double speed, const QStringList& moreArguments) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(GLIMMERBOX_BUILT_STANDIN),
                    QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--scenario"),
                                scenario, QStringLiteral("--speed"), QString::number(speed)} +
                        moreArguments);
    if (!m_process.waitForStarted(startupTimeoutMs)) {
        m_startupError = m_process.errorString();
        return;
    }
    const QDeadlineTimer deadline(startupTimeoutMs);
    while (m_process.canReadLine() || m_process.waitForReadyRead(int(deadline.remainingTime()))) {
        if (!m_process.canReadLine())
            continue; // a partial line: wait for the rest
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith(readyPrefix)) {
            m_port = static_cast<quint16>(line.mid(readyPrefix.size()).toUInt());
            return;
        }
    }
    m_startupError = QStringLiteral("the stand-in did not report its port");
}

StandinProcess::~StandinProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(startupTimeoutMs);
    }
}

QJsonObject StandinProcess::controlRequest(const QString& pathAndQuery) const {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), m_port);
    if (!socket.waitForConnected(startupTimeoutMs))
        return {};
    socket.write("GET " + pathAndQuery.toUtf8() +
                 " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QByteArray response;
    while (socket.waitForReadyRead(startupTimeoutMs)) {
        response += socket.readAll();
        const qsizetype headerEnd = response.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            continue;
        // The stand-in always sends Content-Length.
        const QByteArray headers = response.left(headerEnd).toLower();
        const qsizetype lengthAt = headers.indexOf("content-length:");
        const qsizetype length = headers.mid(lengthAt + 15, headers.indexOf("\r\n", lengthAt) - lengthAt - 15)
                                     .trimmed()
                                     .toLongLong();
        if (lengthAt >= 0 && response.size() - headerEnd - 4 >= length)
            return QJsonDocument::fromJson(response.mid(headerEnd + 4, length)).object();
    }
    return {};
}
