#include "ScoresMapping.h"

#include "EventMapping.h"
#include "EventSlices.h"
#include "MappingSupport.h"
#include "RacingMapping.h"
#include "TennisMapping.h"
#include "platform/JsonRead.h"

#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

// Each event parsed and mapped while its few kilobytes are still in the cache: parsing a reply of megabytes
// whole and then walking it costs a third more than parsing it. The reply must still parse as a whole
// would: the rest parses as a document of its own, every event alone, and the slices only ever cut where
// the whole parse puts its bounds. Nothing when any of that fails, and the caller parses it whole.
std::optional<QList<Game>> mapEventByEvent(const QByteArray& body, const League& league,
                                           const QDateTime& now) {
    const std::optional<EventSlices> slices = sliceEvents(body);
    if (!slices)
        return std::nullopt;
    const std::optional<QJsonObject> rest = mapping::topLevelObject(slices->rest);
    const std::optional<QJsonArray> emptied = rest ? json::array(*rest, "events"_L1) : std::nullopt;
    if (!emptied || !emptied->isEmpty())
        return std::nullopt;
    QList<Game> games;
    games.reserve(slices->events.size());
    for (const QByteArrayView text : slices->events) {
        const std::optional<QJsonObject> event =
            mapping::topLevelObject(QByteArray::fromRawData(text.data(), text.size()));
        if (!event)
            return std::nullopt;
        if (std::optional<Game> game = parseEvent(*event, league, now))
            games.append(std::move(*game));
    }
    return games;
}

} // namespace

QList<Game> firstGameOfEachId(QList<Game> games) {
    QSet<QString> seen;
    seen.reserve(games.size());
    games.removeIf([&](const Game& game) {
        if (seen.contains(game.id))
            return true;
        seen.insert(game.id);
        return false;
    });
    return games;
}

ServiceResult<QList<Game>> parseScoreboard(const QByteArray& body, const League& league,
                                           const QDateTime& now) {
    if (league.sport != Sport::tennis && league.sport != Sport::racing) {
        if (std::optional<QList<Game>> games = mapEventByEvent(body, league, now))
            return firstGameOfEachId(std::move(*games));
    }
    const std::optional<QJsonObject> reply = mapping::topLevelObject(body);
    if (!reply)
        return APIError::parsingError();
    const std::optional<QJsonArray> events = mapping::objectList(*reply, "events"_L1);
    if (!events)
        return APIError::parsingError();

    if (league.sport == Sport::tennis)
        return firstGameOfEachId(parseTennisEvent(*events, league, now));
    if (league.sport == Sport::racing)
        return firstGameOfEachId(parseRacingEvent(*events, league, now));

    QList<Game> games;
    games.reserve(events->size());
    for (const QJsonValue& event : *events) {
        if (std::optional<Game> game = parseEvent(event.toObject(), league, now))
            games.append(std::move(*game));
    }
    return firstGameOfEachId(std::move(games));
}
