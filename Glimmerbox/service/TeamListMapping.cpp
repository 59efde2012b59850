#include "ScoresMapping.h"

#include "Logging.h"
#include "MappingSupport.h"
#include "TeamMapping.h"
#include "platform/JsonRead.h"

using namespace Qt::Literals::StringLiterals;

int teamListLimit(const League& league) {
    const bool college = league.id.contains("college"_L1) || league.id.contains("ncaa"_L1);
    return college ? 400 : 50;
}

ServiceResult<QList<Team>> parseTeams(const QByteArray& body, const League& league) {
    const std::optional<QJsonObject> reply = mapping::topLevelObject(body);
    const std::optional<QJsonObject> sport = reply ? mapping::firstObject(*reply, "sports"_L1) : std::nullopt;
    const std::optional<QJsonObject> group =
        sport ? mapping::firstObject(*sport, "leagues"_L1) : std::nullopt;
    const std::optional<QJsonArray> items = group ? mapping::objectList(*group, "teams"_L1) : std::nullopt;
    if (!items)
        return APIError::parsingError();

    // The service answers with what it was asked for; a list of thousands would cost a row, a logo and
    // their memory each in the Teams tab, and tell the user nothing more.
    const int limit = teamListLimit(league);
    QList<Team> teams;
    teams.reserve(std::min<qsizetype>(items->size(), limit));
    qsizetype dropped = 0;
    for (const QJsonValue& item : *items) {
        const std::optional<QJsonObject> team = json::object(item.toObject(), "team"_L1);
        if (!team)
            continue;
        if (teams.size() < limit)
            teams.append(parseTeam(*team, league));
        else
            ++dropped;
    }
    if (dropped > 0) {
        qCWarning(apiLogger).noquote()
            << "Team list of" << league.abbreviation << "brought" << teams.size() + dropped
            << "teams; kept the first" << limit << "and dropped" << dropped;
    }
    return teams;
}
