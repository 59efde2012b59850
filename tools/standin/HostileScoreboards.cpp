#include "HostileScoreboards.h"

#include "ScenarioRender.h"

#include <QJsonArray>

namespace {

enum class Phase { liveClose, liveApart, scheduled, justStarted };

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
    if (phase == Phase::justStarted) {
        status.insert(QLatin1String("period"), 1);
        type.insert(QLatin1String("shortDetail"), QStringLiteral("Start of 1st"));
        type.insert(QLatin1String("detail"), QStringLiteral("Start of 1st"));
    }
    status.insert(QLatin1String("type"), type);
    competition.insert(QLatin1String("status"), status);

    const bool scoreless = phase == Phase::scheduled || phase == Phase::justStarted;
    const QString home = scoreless                   ? QStringLiteral("0")
                         : phase == Phase::liveClose ? QStringLiteral("100")
                                                     : QStringLiteral("120");
    const QString away = scoreless ? QStringLiteral("0") : QStringLiteral("98");
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

// `event` with a home team of its own, told apart by `number` in its id, names and abbreviation.
QJsonObject withOwnHomeTeam(QJsonObject event, int number) {
    QJsonObject competition = firstCompetition(event);
    QJsonArray competitors = competition.value(QLatin1String("competitors")).toArray();
    const QString suffix = QString::number(number);
    for (qsizetype i = 0; i < competitors.size(); ++i) {
        QJsonObject competitor = competitors.at(i).toObject();
        if (competitor.value(QLatin1String("homeAway")).toString() != QLatin1String("home"))
            continue;
        QJsonObject team = competitor.value(QLatin1String("team")).toObject();
        const QString id = team.value(QLatin1String("id")).toString() + u'-' + suffix;
        team.insert(QLatin1String("id"), id);
        for (const char* key : {"displayName", "shortDisplayName", "name"})
            team.insert(QLatin1String(key), team.value(QLatin1String(key)).toString() + u' ' + suffix);
        team.insert(QLatin1String("abbreviation"), QStringLiteral("T") + suffix);
        competitor.insert(QLatin1String("id"), id);
        competitor.insert(QLatin1String("team"), team);
        competitors.replace(i, competitor);
    }
    competition.insert(QLatin1String("competitors"), competitors);
    event.insert(QLatin1String("competitions"), QJsonArray{competition});
    return event;
}

QString copyId(const QJsonObject& first, int i) {
    return first.value(QLatin1String("id")).toString() + u'-' + QString::number(i + 1);
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

QJsonObject withCloseGames(QJsonObject scoreboard, int count, bool ownTeams) {
    return withEvents(std::move(scoreboard), count, [ownTeams](const QJsonObject& first, int i) {
        const QJsonObject event = eventAs(first, copyId(first, i), Phase::liveClose);
        return ownTeams ? withOwnHomeTeam(event, i + 1) : event;
    });
}

QJsonObject withStartingGames(QJsonObject scoreboard, int count, bool started) {
    return withEvents(std::move(scoreboard), count, [started](const QJsonObject& first, int i) {
        return withOwnHomeTeam(
            eventAs(first, copyId(first, i), started ? Phase::justStarted : Phase::scheduled), i + 1);
    });
}

QJsonObject withRenumberedIds(QJsonObject scoreboard, int reply) {
    const QString suffix = QStringLiteral("-r") + QString::number(reply);
    QJsonArray events = scoreboard.value(QLatin1String("events")).toArray();
    for (qsizetype i = 0; i < events.size(); ++i) {
        QJsonObject event = events.at(i).toObject();
        event.insert(QLatin1String("id"), event.value(QLatin1String("id")).toString() + suffix);
        QJsonArray competitions = event.value(QLatin1String("competitions")).toArray();
        for (qsizetype c = 0; c < competitions.size(); ++c) {
            QJsonObject competition = competitions.at(c).toObject();
            competition.insert(QLatin1String("id"),
                               competition.value(QLatin1String("id")).toString() + suffix);
            competitions.replace(c, competition);
        }
        event.insert(QLatin1String("competitions"), competitions);
        events.replace(i, event);
    }
    scoreboard.insert(QLatin1String("events"), events);
    return scoreboard;
}

QJsonObject withFirstLiveEventAs(QJsonObject scoreboard, const QJsonObject& frame) {
    QJsonArray events = scoreboard.value(QLatin1String("events")).toArray();
    const std::optional<QString> live = firstLiveEventId(scoreboard);
    for (qsizetype i = 0; live && i < events.size(); ++i) {
        QJsonObject event = events.at(i).toObject();
        if (event.value(QLatin1String("id")).toString() != *live)
            continue;
        QJsonArray competitions = event.value(QLatin1String("competitions")).toArray();
        competitions.replace(0, applyFrame(competitions.at(0).toObject(), frame));
        event.insert(QLatin1String("competitions"), competitions);
        events.replace(i, event);
        break;
    }
    scoreboard.insert(QLatin1String("events"), events);
    return scoreboard;
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
