#include "Scenario.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>

namespace {

QJsonArray objectsOf(const QJsonValue& value, const char* key) {
    return value.toObject().value(QLatin1String(key)).toArray();
}

QString idOf(const QJsonValue& value) {
    return value.toObject().value(QLatin1String("id")).toString();
}

// A race weekend's summary describes its race; other events have one competition.
QJsonObject mainCompetition(const QJsonObject& event) {
    const QJsonArray competitions = objectsOf(event, "competitions");
    for (const QJsonValue& competition : competitions) {
        if (competition.toObject()
                .value(QLatin1String("type"))
                .toObject()
                .value(QLatin1String("abbreviation")) == QLatin1String("Race"))
            return competition.toObject();
    }
    return competitions.at(0).toObject();
}

QDate localDay(const QJsonObject& event, const char* key) {
    return parseEventDate(event.value(QLatin1String(key)).toString()).toLocalTime().date();
}

// An event runs on the local day of its "date", or through its "endDate" (a tournament) when it has one.
bool fallsOn(const QJsonObject& event, QDate day) {
    const QDate first = localDay(event, "date");
    const QDate last = event.contains(QLatin1String("endDate")) ? localDay(event, "endDate") : first;
    return first.isValid() && first <= day && day <= last;
}

} // namespace

std::optional<Scenario> Scenario::load(const QString& nameOrPath, QString* error) {
    QFile file(QFileInfo::exists(nameOrPath) ? nameOrPath : QStringLiteral(":/scenarios/") + nameOrPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open scenario %1").arg(nameOrPath);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error =
            QStringLiteral("scenario %1 is not a JSON object: %2").arg(nameOrPath, parseError.errorString());
        return std::nullopt;
    }
    Scenario scenario;
    const QJsonObject leagues = document.object().value(QLatin1String("leagues")).toObject();
    for (auto it = leagues.begin(); it != leagues.end(); ++it) {
        const QJsonObject league = it.value().toObject();
        scenario.m_leagues.insert(it.key(), League{league.value(QLatin1String("events")).toArray(),
                                                   league.value(QLatin1String("teams")).toArray(),
                                                   league.value(QLatin1String("summaries")).toObject()});
    }
    for (const QJsonValue& fault : document.object().value(QLatin1String("faults")).toArray())
        scenario.m_faults.append(Fault::fromJson(fault.toObject()));
    return scenario;
}

QJsonObject Scenario::scoreboard(const QString& leaguePath, std::optional<QDate> day,
                                 const RenderContext& context) const {
    QJsonArray events;
    for (const QJsonValue& value : m_leagues.value(leaguePath).events) {
        const QJsonObject source = value.toObject();
        if (!day && source.value(QLatin1String("$undated")) == QJsonValue(false))
            continue;
        const QJsonObject event = render(applyTimeline(source, context.elapsedSeconds), context).toObject();
        if (day && !fallsOn(event, *day))
            continue;
        events.append(event);
    }
    return QJsonObject{{QStringLiteral("events"), events}};
}

std::optional<QJsonObject> Scenario::findCompetition(const League& league, const QString& eventId,
                                                     double elapsedSeconds) const {
    for (const QJsonValue& value : league.events) {
        const QJsonObject event = applyTimeline(value.toObject(), elapsedSeconds);
        if (idOf(event) == eventId)
            return mainCompetition(event);
        for (const QJsonValue& grouping : objectsOf(event, "groupings")) {
            for (const QJsonValue& match : objectsOf(grouping, "competitions")) {
                if (idOf(match) == eventId)
                    return match.toObject();
            }
        }
    }
    return std::nullopt;
}

std::optional<QJsonObject> Scenario::summary(const QString& leaguePath, const QString& eventId,
                                             const RenderContext& context) const {
    const League league = m_leagues.value(leaguePath);
    QJsonObject summary = league.summaries.value(eventId).toObject();
    if (!summary.contains(QLatin1String("header"))) {
        const std::optional<QJsonObject> competition =
            findCompetition(league, eventId, context.elapsedSeconds);
        if (!competition && summary.isEmpty())
            return std::nullopt;
        const QJsonArray competitions = competition ? QJsonArray{*competition} : QJsonArray{};
        summary.insert(QLatin1String("header"), QJsonObject{{QStringLiteral("id"), eventId},
                                                            {QStringLiteral("competitions"), competitions}});
        // The service names the venue in the summary's game information rather than in its header.
        const QJsonValue venue = competition ? competition->value(QLatin1String("venue")) : QJsonValue();
        if (venue.isObject() && !summary.contains(QLatin1String("gameInfo")))
            summary.insert(QLatin1String("gameInfo"), QJsonObject{{QStringLiteral("venue"), venue}});
    }
    return render(summary, context).toObject();
}

QJsonObject Scenario::teams(const QString& leaguePath, int limit, const RenderContext& context,
                            int atLeast) const {
    const League league = m_leagues.value(leaguePath);
    // The listed teams first, then every team that plays in one of the league's events.
    QJsonArray candidates = league.teams;
    for (const QJsonValue& event : league.events) {
        for (const QJsonValue& competition : objectsOf(event, "competitions")) {
            for (const QJsonValue& competitor : objectsOf(competition, "competitors")) {
                const QJsonValue team = competitor.toObject().value(QLatin1String("team"));
                if (team.isObject())
                    candidates.append(team);
            }
        }
    }
    QSet<QString> candidateIds;
    for (const QJsonValue& team : std::as_const(candidates))
        candidateIds.insert(idOf(team));
    const QString leagueName = leaguePath.section(u'/', 1);
    const int wanted = candidates.isEmpty() ? atLeast : std::max(m_teamsPerLeague, atLeast);
    for (int made = 1; candidateIds.size() < wanted; ++made) {
        const QString abbreviation = QStringLiteral("T%1").arg(made);
        candidateIds.insert(QString::number(9000 + made));
        candidates.append(
            QJsonObject{{QStringLiteral("id"), QString::number(9000 + made)},
                        {QStringLiteral("abbreviation"), abbreviation},
                        {QStringLiteral("displayName"), QStringLiteral("Team %1").arg(made)},
                        {QStringLiteral("shortDisplayName"), abbreviation},
                        {QStringLiteral("color"), QStringLiteral("3a5f8c")},
                        {QStringLiteral("logo"),
                         QStringLiteral("@base/i/teamlogos/%1/500/t%2.png").arg(leagueName).arg(made)}});
    }
    QJsonArray items;
    QSet<QString> seen;
    for (const QJsonValue& team : candidates) {
        if (items.size() >= limit)
            break;
        if (seen.contains(idOf(team)))
            continue;
        seen.insert(idOf(team));
        items.append(QJsonObject{{QStringLiteral("team"), render(team, context)}});
    }
    const QJsonObject leagueObject{{QStringLiteral("teams"), items}};
    const QJsonObject sport{{QStringLiteral("leagues"), QJsonArray{leagueObject}}};
    return QJsonObject{{QStringLiteral("sports"), QJsonArray{sport}}};
}
