#pragma once

#include "service/EventMapping.h"
#include "service/ScoresMapping.h"
#include "service/ServiceResult.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The scoreboard of a team sport as parsing the whole reply at once gives it: the reference that mapping
// event by event must match on every text. Shared by the tests and the fuzzer.
inline ServiceResult<QList<Game>> scoreboardParsedWhole(const QByteArray& body, const League& league,
                                                        const QDateTime& now) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return APIError::parsingError();
    const QJsonValue events = document.object().value(QLatin1StringView("events"));
    QList<Game> games;
    for (const QJsonValue event : events.toArray()) {
        if (!event.isObject())
            return APIError::parsingError();
        if (games.size() == maximumScoreboardGames)
            continue;
        if (std::optional<Game> game = parseEvent(event.toObject(), league, now))
            games.append(*game);
    }
    if (!events.isArray())
        return APIError::parsingError();
    // Of the games it mapped, the scoreboard keeps the same ones, however it read them.
    return firstGameOfEachId(std::move(games));
}
