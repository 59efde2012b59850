#include "ScoresMapping.h"

#include "EventMapping.h"
#include "MappingSupport.h"
#include "RacingMapping.h"
#include "TennisMapping.h"

using namespace Qt::Literals::StringLiterals;

ServiceResult<QList<Game>> parseScoreboard(const QByteArray& body, const League& league,
                                           const QDateTime& now) {
    const std::optional<QJsonObject> reply = mapping::topLevelObject(body);
    if (!reply)
        return APIError::parsingError();
    const std::optional<QJsonArray> events = mapping::objectList(*reply, "events"_L1);
    if (!events)
        return APIError::parsingError();

    if (league.sport == Sport::tennis)
        return parseTennisEvent(*events, league, now);
    if (league.sport == Sport::racing)
        return parseRacingEvent(*events, league, now);

    QList<Game> games;
    games.reserve(events->size());
    for (const QJsonValue& event : *events) {
        if (std::optional<Game> game = parseEvent(event.toObject(), league, now))
            games.append(std::move(*game));
    }
    return games;
}
