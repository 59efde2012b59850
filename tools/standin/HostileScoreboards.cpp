#include "HostileScoreboards.h"

#include <QJsonArray>

namespace {

enum class Phase { liveClose, liveApart, scheduled };

QJsonObject firstCompetition(const QJsonObject& event) {
    return event.value(QLatin1String("competitions")).toArray().first().toObject();
}

// `event` under `id`, in `phase`: its first competition's status and its sides' scores rewritten.
QJsonObject eventAs(QJsonObject event, const QString& id, Phase phase) {
    QJsonObject competition = firstCompetition(event);
    QJsonObject status = competition.value(QLatin1String("status")).toObject();
    QJsonObject type = status.value(QLatin1String("type")).toObject();
    const bool live = phase != Phase::scheduled;
    type.insert(QLatin1String("state"), live ? QStringLiteral("in") : QStringLiteral("pre"));
    type.insert(QLatin1String("name"),
                live ? QStringLiteral("STATUS_IN_PROGRESS") : QStringLiteral("STATUS_SCHEDULED"));
    type.insert(QLatin1String("completed"), false);
    status.insert(QLatin1String("type"), type);
    competition.insert(QLatin1String("status"), status);

    const QString home = phase == Phase::scheduled   ? QStringLiteral("0")
                         : phase == Phase::liveClose ? QStringLiteral("100")
                                                     : QStringLiteral("120");
    const QString away = phase == Phase::scheduled ? QStringLiteral("0") : QStringLiteral("98");
    QJsonArray competitors = competition.value(QLatin1String("competitors")).toArray();
    for (qsizetype i = 0; i < competitors.size(); ++i) {
        QJsonObject competitor = competitors.at(i).toObject();
        const bool isHome = competitor.value(QLatin1String("homeAway")).toString() == QLatin1String("home");
        competitor.insert(QLatin1String("score"), isHome ? home : away);
        competitors.replace(i, competitor);
    }
    competition.insert(QLatin1String("competitors"), competitors);
    competition.insert(QLatin1String("id"), id);

    event.insert(QLatin1String("id"), id);
    event.insert(QLatin1String("competitions"), QJsonArray{competition});
    return event;
}

// The scoreboard with `events` in place of its own, or as it was when it has none to copy.
template <typename MakeEvent>
QJsonObject withEvents(QJsonObject scoreboard, int count, MakeEvent makeEvent) {
    const QJsonArray events = scoreboard.value(QLatin1String("events")).toArray();
    if (events.isEmpty() || firstCompetition(events.first().toObject()).isEmpty())
        return scoreboard;
    const QJsonObject first = events.first().toObject();
    QJsonArray made;
    for (int i = 0; i < count; ++i)
        made.append(makeEvent(first, i));
    scoreboard.insert(QLatin1String("events"), made);
    return scoreboard;
}

} // namespace

QJsonObject withCloseGames(QJsonObject scoreboard, int count) {
    return withEvents(std::move(scoreboard), count, [](const QJsonObject& first, int i) {
        const QString id = first.value(QLatin1String("id")).toString() + u'-' + QString::number(i + 1);
        return eventAs(first, id, Phase::liveClose);
    });
}

QJsonObject withRepeatedId(QJsonObject scoreboard, int count) {
    return withEvents(std::move(scoreboard), count, [](const QJsonObject& first, int i) {
        static constexpr Phase inTurn[] = {Phase::liveClose, Phase::liveApart, Phase::scheduled};
        return eventAs(first, first.value(QLatin1String("id")).toString(), inTurn[i % 3]);
    });
}

QJsonObject withSharedId(QJsonObject scoreboard, const QString& id) {
    return withEvents(std::move(scoreboard), 1,
                      [&id](const QJsonObject& first, int) { return eventAs(first, id, Phase::scheduled); });
}

std::optional<QString> firstLiveEventId(const QJsonObject& scoreboard) {
    for (const QJsonValue& event : scoreboard.value(QLatin1String("events")).toArray()) {
        const QJsonObject type = firstCompetition(event.toObject())
                                     .value(QLatin1String("status"))
                                     .toObject()
                                     .value(QLatin1String("type"))
                                     .toObject();
        if (type.value(QLatin1String("state")).toString() == QLatin1String("in"))
            return event.toObject().value(QLatin1String("id")).toString();
    }
    return std::nullopt;
}
