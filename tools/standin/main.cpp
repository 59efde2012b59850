#include "Scenario.h"
#include "StandinServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("glimmerbox-standin"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Local stand-in of the scores service for tests and offline runs."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port on 127.0.0.1 (0: any free port)."),
                                        QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption scenarioOption(
        QStringLiteral("scenario"), QStringLiteral("Scenario file, or the name of a built-in scenario."),
        QStringLiteral("file"), QStringLiteral("default.json"));
    const QCommandLineOption speedOption(
        QStringLiteral("speed"), QStringLiteral("Scenario seconds per real second (0 freezes the timeline)."),
        QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption latencyOption(
        QStringLiteral("latency"), QStringLiteral("Milliseconds every reply waits, as over a real network."),
        QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Log every request to stderr."));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"),
        QStringLiteral(
            "A fault as a JSON object, as in a scenario's list, or a list of them, checked before the "
            "scenario's own; may be repeated."),
        QStringLiteral("json"));
    const QCommandLineOption teamsOption(
        QStringLiteral("teams"),
        QStringLiteral("Every league that has teams lists at least this many, made-up ones after its own."),
        QStringLiteral("count"), QStringLiteral("0"));
    const QCommandLineOption logoSideOption(QStringLiteral("logo-side"),
                                            QStringLiteral("Side of the logos it draws, in pixels."),
                                            QStringLiteral("pixels"), QStringLiteral("64"));
    parser.addOptions({portOption, scenarioOption, speedOption, latencyOption, verboseOption, faultOption,
                       teamsOption, logoSideOption});
    parser.process(app);

    QTextStream err(stderr);
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    bool speedOk = false;
    const double speed = parser.value(speedOption).toDouble(&speedOk);
    bool latencyOk = false;
    const int latencyMs = parser.value(latencyOption).toInt(&latencyOk);
    bool teamsOk = false;
    const int teams = parser.value(teamsOption).toInt(&teamsOk);
    bool logoSideOk = false;
    const int logoSide = parser.value(logoSideOption).toInt(&logoSideOk);
    if (!portOk || port > 65535 || !speedOk || speed < 0 || !latencyOk || latencyMs < 0 || !teamsOk ||
        teams < 0 || !logoSideOk || logoSide < 1 || logoSide > 4096) {
        err << "glimmerbox-standin: invalid --port, --speed, --latency, --teams or --logo-side" << Qt::endl;
        return 2;
    }
    QString error;
    std::optional<Scenario> scenario = Scenario::load(parser.value(scenarioOption), &error);
    if (!scenario) {
        err << "glimmerbox-standin: " << error << Qt::endl;
        return 2;
    }

    const QStringList extraFaults = parser.values(faultOption);
    QList<Fault> faults;
    for (const QString& option : extraFaults) {
        const QJsonDocument fault = QJsonDocument::fromJson(option.toUtf8());
        if (fault.isObject()) {
            faults.append(Fault::fromJson(fault.object()));
            continue;
        }
        const QJsonArray list = fault.array();
        if (!fault.isArray() ||
            !std::ranges::all_of(list, [](const QJsonValue& item) { return item.isObject(); })) {
            err << "glimmerbox-standin: --fault is not a JSON object or a list of them: " << option
                << Qt::endl;
            return 2;
        }
        for (const QJsonValue& item : list)
            faults.append(Fault::fromJson(item.toObject()));
    }
    scenario->faults() = faults + scenario->faults();

    scenario->setTeamsPerLeague(teams);
    StandinServer server(std::move(*scenario), speed, latencyMs, parser.isSet(verboseOption));
    server.setLogoSide(logoSide);
    const quint16 boundPort = server.listen(QHostAddress::LocalHost, static_cast<quint16>(port));
    if (boundPort == 0) {
        err << "glimmerbox-standin: cannot listen on 127.0.0.1:" << port << Qt::endl;
        return 1;
    }
    server.setBaseURL(QStringLiteral("http://127.0.0.1:%1").arg(boundPort));
    QTextStream(stdout) << "listening on 127.0.0.1:" << boundPort << Qt::endl; // endl flushes
    return app.exec();
}
