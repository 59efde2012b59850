#include "ScoresMapping.h"

#include "MappingSupport.h"
#include "TeamMapping.h"
#include "platform/JsonRead.h"

using namespace Qt::Literals::StringLiterals;

ServiceResult<QList<Team>> parseTeams(const QByteArray& body, const League& league) {
    const std::optional<QJsonObject> reply = mapping::topLevelObject(body);
    const std::optional<QJsonObject> sport = reply ? mapping::firstObject(*reply, "sports"_L1) : std::nullopt;
    const std::optional<QJsonObject> group =
        sport ? mapping::firstObject(*sport, "leagues"_L1) : std::nullopt;
    const std::optional<QJsonArray> items = group ? mapping::objectList(*group, "teams"_L1) : std::nullopt;
    if (!items)
        return APIError::parsingError();

    QList<Team> teams;
    teams.reserve(items->size());
    for (const QJsonValue& item : *items) {
        if (const std::optional<QJsonObject> team = json::object(item.toObject(), "team"_L1))
            teams.append(parseTeam(*team, league));
    }
    return teams;
}
