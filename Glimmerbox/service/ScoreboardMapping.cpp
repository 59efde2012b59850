#include "ScoresMapping.h"

#include "EventMapping.h"
#include "EventSlices.h"
#include "MappingSupport.h"
#include "RacingMapping.h"
#include "ScoreboardBoundLog.h"
#include "TennisMapping.h"
#include "platform/JsonRead.h"

#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

// Games appended until the bound; the events after it are counted, not mapped.
class BoundedGames {
public:
    explicit BoundedGames(qsizetype events) { m_games.reserve(std::min(events, maximumScoreboardGames)); }

    bool isFull() const { return m_games.size() >= maximumScoreboardGames; }
    void add(const QJsonObject& event, const League& league, const QDateTime& now) {
        if (isFull()) {
            ++m_leftOut;
            return;
        }
        if (std::optional<Game> game = parseEvent(event, league, now))
            m_games.append(std::move(*game));
    }
    QList<Game> take(const League& league, ScoreboardBoundLog& boundLog) {
        boundLog.leftOut(league, m_leftOut, "further events");
        return std::move(m_games);
    }

private:
    QList<Game> m_games;
    qsizetype m_leftOut = 0;
};

QList<Game> firstGames(QList<Game> games, const League& league, ScoreboardBoundLog& boundLog) {
    if (games.size() > maximumScoreboardGames) {
        boundLog.leftOut(league, games.size() - maximumScoreboardGames, "games");
        games.resize(maximumScoreboardGames);
    }
    return games;
}

// Each event parsed and mapped while its few kilobytes are still in the cache: parsing a reply of megabytes
// whole and then walking it costs a third more than parsing it. The reply must still parse as a whole
// would: the rest parses as a document of its own, every event alone, and the slices only ever cut where
// the whole parse puts its bounds. Nothing when any of that fails, and the caller parses it whole.
std::optional<QList<Game>> mapEventByEvent(const QByteArray& body, const League& league, const QDateTime& now,
                                           ScoreboardBoundLog& boundLog) {
    const std::optional<EventSlices> slices = sliceEvents(body);
    if (!slices)
        return std::nullopt;
    const std::optional<QJsonObject> rest = mapping::topLevelObject(slices->rest);
    const std::optional<QJsonArray> emptied = rest ? json::array(*rest, "events"_L1) : std::nullopt;
    if (!emptied || !emptied->isEmpty())
        return std::nullopt;
    BoundedGames games(slices->events.size());
    for (const QByteArrayView text : slices->events) {
        // Events past the bound are still parsed, and dropped at once: a reply that is no JSON fails
        // whatever its length.
        const std::optional<QJsonObject> event =
            mapping::topLevelObject(QByteArray::fromRawData(text.data(), text.size()));
        if (!event)
            return std::nullopt;
        games.add(*event, league, now);
    }
    return games.take(league, boundLog);
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
    ScoreboardBoundLog boundLog;
    return parseScoreboard(body, league, now, boundLog);
}

ServiceResult<QList<Game>> parseScoreboard(const QByteArray& body, const League& league, const QDateTime& now,
                                           ScoreboardBoundLog& boundLog) {
    if (league.sport != Sport::tennis && league.sport != Sport::racing) {
        if (std::optional<QList<Game>> games = mapEventByEvent(body, league, now, boundLog))
            return firstGameOfEachId(std::move(*games));
    }
    const std::optional<QJsonObject> reply = mapping::topLevelObject(body);
    if (!reply)
        return APIError::parsingError();
    const std::optional<QJsonArray> events = mapping::objectList(*reply, "events"_L1);
    if (!events)
        return APIError::parsingError();

    if (league.sport == Sport::tennis)
        return firstGameOfEachId(firstGames(parseTennisEvent(*events, league, now), league, boundLog));
    if (league.sport == Sport::racing)
        return firstGameOfEachId(firstGames(parseRacingEvent(*events, league, now), league, boundLog));

    BoundedGames games(events->size());
    for (const QJsonValue& event : *events)
        games.add(event.toObject(), league, now);
    return firstGameOfEachId(games.take(league, boundLog));
}
