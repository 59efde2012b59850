#include "ScenarioRender.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

// Finds the competitor tagged `side`, falling back to list position as the service's consumers do.
int competitorIndex(const QJsonArray& competitors, const QString& side) {
    for (int i = 0; i < competitors.size(); ++i) {
        if (competitors.at(i).toObject().value(QLatin1String("homeAway")).toString() == side)
            return i;
    }
    return side == QLatin1String("home") ? 0 : 1;
}

void setScore(QJsonArray& competitors, const QString& side, const QJsonValue& score) {
    const int index = competitorIndex(competitors, side);
    if (index >= competitors.size())
        return;
    QJsonObject competitor = competitors.at(index).toObject();
    competitor.insert(QLatin1String("score"), score);
    competitors.replace(index, competitor);
}

QString renderText(const QString& text, const RenderContext& context);

} // namespace

QJsonObject applyFrame(QJsonObject competition, const QJsonObject& frame) {
    QJsonArray competitors = competition.value(QLatin1String("competitors")).toArray();
    if (frame.contains(QLatin1String("home")))
        setScore(competitors, QStringLiteral("home"), frame.value(QLatin1String("home")));
    if (frame.contains(QLatin1String("away")))
        setScore(competitors, QStringLiteral("away"), frame.value(QLatin1String("away")));
    competition.insert(QLatin1String("competitors"), competitors);
    if (frame.contains(QLatin1String("lastPlay"))) {
        // A scripted score names its play, so the situation never shows the other side's last basket.
        QJsonObject situation = competition.value(QLatin1String("situation")).toObject();
        situation.insert(QLatin1String("lastPlay"), frame.value(QLatin1String("lastPlay")));
        competition.insert(QLatin1String("situation"), situation);
    }

    QJsonObject status = competition.value(QLatin1String("status")).toObject();
    QJsonObject type = status.value(QLatin1String("type")).toObject();
    if (frame.contains(QLatin1String("clock")))
        status.insert(QLatin1String("displayClock"), frame.value(QLatin1String("clock")));
    if (frame.contains(QLatin1String("period")))
        status.insert(QLatin1String("period"), frame.value(QLatin1String("period")));
    for (const char* key : {"state", "name", "shortDetail", "detail"}) {
        const QString name = QString::fromLatin1(key);
        if (frame.contains(name))
            type.insert(name, frame.value(name));
    }
    type.insert(QLatin1String("completed"),
                type.value(QLatin1String("state")).toString() == QLatin1String("post"));
    status.insert(QLatin1String("type"), type);
    competition.insert(QLatin1String("status"), status);
    return competition;
}

namespace {

QString renderText(const QString& text, const RenderContext& context) {
    static const QRegularExpression relative(QStringLiteral("^@now(?:([+-])(\\d+)([smhd]))?$"));
    const QRegularExpressionMatch match = relative.match(text);
    if (match.hasMatch()) {
        qint64 seconds = 0;
        if (match.hasCaptured(1)) {
            static const QHash<QString, qint64> unit{{QStringLiteral("s"), 1},
                                                     {QStringLiteral("m"), 60},
                                                     {QStringLiteral("h"), 3600},
                                                     {QStringLiteral("d"), 86400}};
            seconds = match.captured(2).toLongLong() * unit.value(match.captured(3));
            if (match.captured(1) == QLatin1String("-"))
                seconds = -seconds;
        }
        return context.anchor.addSecs(seconds).toString(QStringLiteral("yyyy-MM-ddTHH:mm'Z'"));
    }
    if (text.contains(QLatin1String("@base"))) {
        QString copy = text;
        return copy.replace(QLatin1String("@base"), context.baseURL);
    }
    return text;
}

} // namespace

QJsonObject applyTimeline(QJsonObject event, double elapsedSeconds) {
    const QJsonArray frames = event.value(QLatin1String("$timeline")).toArray();
    QJsonArray competitions = event.value(QLatin1String("competitions")).toArray();
    if (frames.isEmpty() || competitions.isEmpty())
        return event;
    QJsonObject competition = competitions.at(0).toObject();
    for (const QJsonValue& value : frames) {
        const QJsonObject frame = value.toObject();
        if (frame.value(QLatin1String("at")).toDouble() <= elapsedSeconds)
            competition = applyFrame(competition, frame);
    }
    competitions.replace(0, competition);
    event.insert(QLatin1String("competitions"), competitions);
    return event;
}

QJsonValue render(const QJsonValue& value, const RenderContext& context) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QJsonObject result;
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!it.key().startsWith(u'$'))
                result.insert(it.key(), render(it.value(), context));
        }
        return result;
    }
    if (value.isArray()) {
        QJsonArray result;
        for (const QJsonValue& element : value.toArray())
            result.append(render(element, context));
        return result;
    }
    if (value.isString())
        return renderText(value.toString(), context);
    return value;
}

QDateTime parseEventDate(const QString& text) {
    for (const char* format : {"yyyy-MM-ddTHH:mm'Z'", "yyyy-MM-ddTHH:mm:ss'Z'"}) {
        QDateTime moment = QDateTime::fromString(text, QString::fromLatin1(format));
        if (moment.isValid()) {
            moment.setTimeSpec(Qt::UTC);
            return moment;
        }
    }
    return {};
}
