#pragma once

#include "Scenario.h"
#include "ScenarioClock.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QUrlQuery>

class QHttpServerResponder;

// Answers the scores service's paths from a scenario, injects the scenario's faults, counts requests and
// serves two control paths for tests: /__stats (request counts, bytes streamed) and /__advance?seconds=N
// (scenario time).
class StandinServer final : public QAbstractHttpServer {
public:
    StandinServer(Scenario scenario, double speed, int latencyMs, bool verbose);

    // The address replies refer to for "@base" (logo URLs); set once the port is known.
    void setBaseURL(const QString& baseURL) { m_baseURL = baseURL; }
    // The side, in pixels, of the logos it draws (64 unless set).
    void setLogoSide(int side) { m_logoSide = side; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Reply {
        int status = 200;
        QByteArray body;
        QByteArray mimeType = "application/json";
    };

    // `teamsAtLeast`: a team list holds that many teams whatever limit it was asked for (0: as asked).
    Reply route(const QString& path, const QUrlQuery& query, int teamsAtLeast) const;
    Reply serviceReply(const QStringList& parts, const QUrlQuery& query, int teamsAtLeast) const;
    Reply control(const QString& path, const QUrlQuery& query);
    static Reply withFault(const Fault& fault, Reply reply);
    // The faults that rewrite a scoreboard's events; one of them reads another league's games, and some
    // count the replies (of `target`, the path and query, or of all).
    Reply withScoreboardFault(const Fault& fault, const QString& target, Reply reply);
    static Reply json(const QJsonObject& object, int status = 200);
    static Reply error(int status, const QString& message);
    Reply logo(const QString& path) const;
    // A few hundred kilobytes of PNG that decode to 4096 x 4096 pixels of 16 bits per channel; made once.
    static QByteArray hugePicture();
    // The flat PNG of a `pngPixels` fault; each one made once.
    static QByteArray flatPngOf(const Fault& fault);
    // A 35-byte GIF whose one pixel sits on a logical screen of `screen`.
    static QByteArray gifOnScreen(QSize screen);
    static void send(QHttpServerResponder& responder, const Reply& reply);
    // The header lines a fault adds to its reply, each ending in CRLF.
    static QByteArray faultHeaders(const Fault& fault);
    // The reply with `headers` and its length, written to the socket by hand.
    static void sendRaw(QTcpSocket* socket, const Reply& reply, const QByteArray& headers);
    // The status line and a header line that never ends, until the client hangs up: `bytesPerSecond`, or as
    // fast as the client takes it when 0.
    void endlessHeader(QTcpSocket* socket, double bytesPerSecond);
    // Headers at once, then the body a byte at a time, `intervalSeconds` apart, until done or disconnected.
    static void trickle(QTcpSocket* socket, const Reply& reply, double intervalSeconds);
    // Headers without a length, then chunks of filler as fast as the client takes them for `seconds`, then
    // the body and the end, unless the client hangs up first.
    void stream(QTcpSocket* socket, const Reply& reply, double seconds);
    RenderContext renderContext() const;
    // Real seconds since the stand-in started, whatever the timeline does.
    double realSeconds() const { return m_started.nsecsElapsed() / 1e9; }

    Scenario m_scenario;
    ScenarioClock m_clock;
    int m_latencyMs;
    bool m_verbose;
    QString m_baseURL;
    int m_logoSide = 64;
    QHash<QString, int> m_requestCounts;
    int m_totalRequests = 0;
    qint64 m_streamedBytes = 0; // what streams handed to the network so far
    QString m_lastUserAgent;
    int m_cookieRequests = 0; // requests that carried a "Cookie" header
    QElapsedTimer m_started;
    QHash<QString, QList<double>> m_requestTimes; // real seconds since the start, per path and query
    QHash<QString, int> m_flapReplies;            // the replies under a flapTo fault, per path and query
    int m_renumberedReplies = 0;                  // the replies a renumberIds fault has rewritten
};
