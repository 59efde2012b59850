#include "Fault.h"

#include <QJsonArray>

#include <algorithm>

Fault Fault::fromJson(const QJsonObject& object) {
    Fault fault;
    fault.path = object.value(QLatin1String("path")).toString();
    fault.query = object.value(QLatin1String("query")).toString();
    fault.from = object.value(QLatin1String("from")).toDouble(0);
    fault.to = object.value(QLatin1String("to")).toDouble(std::numeric_limits<double>::infinity());
    fault.times = object.value(QLatin1String("times")).toInt(-1);
    fault.afterSeconds = object.value(QLatin1String("afterSeconds")).toDouble(0);
    fault.status = object.value(QLatin1String("status")).toInt(0);
    if (object.value(QLatin1String("body")).isString())
        fault.body = object.value(QLatin1String("body")).toString().toUtf8();
    fault.html = object.value(QLatin1String("html")).toBool();
    fault.malformed = object.value(QLatin1String("malformed")).toBool();
    fault.drop = object.value(QLatin1String("drop")).toBool();
    fault.stallSeconds = object.value(QLatin1String("stallSeconds")).toDouble(0);
    fault.trickleSeconds = object.value(QLatin1String("trickleSeconds")).toDouble(0);
    fault.streamSeconds = object.value(QLatin1String("streamSeconds")).toDouble(0);
    fault.hugePicture = object.value(QLatin1String("hugePicture")).toBool();
    if (const QJsonArray screen = object.value(QLatin1String("gifScreen")).toArray(); screen.size() == 2)
        fault.gifScreen = QSize(screen.at(0).toInt(), screen.at(1).toInt());
    fault.markedNames = object.value(QLatin1String("markedNames")).toInt(0);
    fault.textChunks = object.value(QLatin1String("textChunks")).toInt(0);
    fault.textAfter = object.value(QLatin1String("textAfter")).toBool();
    fault.jpegScans = object.value(QLatin1String("jpegScans")).toInt(0);
    fault.manyTeams = std::max(0, object.value(QLatin1String("manyTeams")).toInt(0));
    fault.jpegSide = std::clamp(object.value(QLatin1String("jpegSide")).toInt(fault.jpegSide), 1, 4096);
    fault.closeGames = object.value(QLatin1String("closeGames")).toInt(0);
    fault.ownTeams = object.value(QLatin1String("ownTeams")).toBool();
    fault.startingGames = object.value(QLatin1String("startingGames")).toInt(0);
    fault.startsAt = object.value(QLatin1String("startsAt")).toDouble(fault.startsAt);
    fault.renumberIds = object.value(QLatin1String("renumberIds")).toBool();
    fault.flapTo = object.value(QLatin1String("flapTo")).toObject();
    fault.repeatedId = object.value(QLatin1String("repeatedId")).toInt(0);
    fault.sharedIdFrom = object.value(QLatin1String("sharedIdFrom")).toString();
    fault.pngPixels = object.value(QLatin1String("pngPixels")).toString();
    fault.interlaced = object.value(QLatin1String("interlaced")).toBool();
    fault.pngSide = std::clamp(object.value(QLatin1String("pngSide")).toInt(fault.pngSide), 1, 16384);
    fault.gzipBomb = std::max(0, object.value(QLatin1String("gzipBomb")).toInt(0));
    fault.longHeader = std::max<qint64>(0, object.value(QLatin1String("longHeader")).toInteger(0));
    if (const QJsonValue endless = object.value(QLatin1String("endlessHeader"));
        endless.toBool() || endless.toDouble() > 0)
        fault.endlessHeader = endless.toDouble(0);
    fault.cookies = std::max(0, object.value(QLatin1String("cookies")).toInt(0));
    fault.manyGames = object.value(QLatin1String("manyGames")).toInt(0);
    return fault;
}

bool Fault::matches(const QString& requestPath, const QString& rawQuery, double elapsedSeconds,
                    double realSeconds) const {
    if (times == 0 || elapsedSeconds < from || elapsedSeconds >= to || realSeconds < afterSeconds)
        return false;
    const bool pathMatches =
        path.endsWith(u'*') ? requestPath.startsWith(path.chopped(1)) : requestPath == path;
    return pathMatches && (query.isEmpty() || rawQuery.contains(query));
}

std::optional<Fault> takeFault(QList<Fault>& faults, const QString& path, const QString& rawQuery,
                               double elapsedSeconds, double realSeconds) {
    for (Fault& fault : faults) {
        if (!fault.matches(path, rawQuery, elapsedSeconds, realSeconds))
            continue;
        if (fault.times > 0)
            --fault.times;
        return fault;
    }
    return std::nullopt;
}
