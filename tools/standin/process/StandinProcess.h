#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs this build's stand-in scores service on an ephemeral port for the lifetime of the object:
//   StandinProcess standin("default.json");
//   ESPNAPIService service(cache, clock, standin.apiBase());
// `scenario` is a built-in scenario's name or a file's path; `moreArguments` go to the program as they are
// (faults such as "--latency 50"). The timeline stands still unless a speed is given; advance() moves it on
// deterministically.
class StandinProcess {
public:
    explicit StandinProcess(const QString& scenario = QStringLiteral("default.json"), double speed = 0,
                            const QStringList& moreArguments = {});
    ~StandinProcess();
    StandinProcess(const StandinProcess&) = delete;
    StandinProcess& operator=(const StandinProcess&) = delete;

    // False when the program could not be started; startupError() says why.
    bool isRunning() const { return m_port != 0; }
    QString startupError() const { return m_startupError; }

    QString apiBase() const { return QStringLiteral("http://127.0.0.1:%1/apis/site/v2/sports").arg(m_port); }

    // How often a path (with its query, exactly as sent: "/apis/.../summary?event=1") was requested.
    int requestCount(const QString& target) const { return stats().value("requests")[target].toInt(0); }
    int totalRequests() const { return stats().value("total").toInt(0); }
    // What the replies of the streamSeconds fault handed to the network so far.
    qint64 streamedBytes() const { return stats().value("streamedBytes").toInteger(0); }
    QJsonObject stats() const { return controlRequest(QStringLiteral("/__stats")); }
    // How many requests carried a cookie.
    int cookieRequests() const { return stats().value("cookieRequests").toInt(0); }
    // Moves the scenario's timeline forward.
    void advance(double seconds) const {
        controlRequest(QStringLiteral("/__advance?seconds=%1").arg(seconds));
    }

private:
    // A blocking GET of a control path; fine in a test, and it does not spin the event loop.
    QJsonObject controlRequest(const QString& pathAndQuery) const;

    QProcess m_process;
    quint16 m_port = 0;
    QString m_startupError;
};
