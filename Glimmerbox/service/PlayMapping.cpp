#include "PlayMapping.h"

#include "MappingSupport.h"
#include "platform/JsonRead.h"

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// The play's period label: its display text, else its number, else the first period.
QString periodLabel(const QJsonObject& play) {
    const std::optional<QJsonObject> period = json::object(play, "period"_L1);
    if (!period)
        return u"1"_s;
    if (std::optional<QString> label = json::text(*period, "displayValue"_L1, field::label))
        return std::move(*label);
    if (const std::optional<qint64> number = json::integer(*period, "number"_L1))
        return QString::number(*number);
    return u"1"_s;
}

std::optional<PlayByPlayEvent> parsePlay(const QJsonObject& play, const QString& gameId,
                                         const QDateTime& now) {
    std::optional<QString> id = json::text(play, "id"_L1, field::label);
    std::optional<QString> description =
        mapping::firstTextAmong({{play, "description"_L1}, {play, "text"_L1}}, field::paragraph);
    if (!id || !description)
        return std::nullopt;
    PlayByPlayEvent event;
    event.id = std::move(*id);
    event.gameId = gameId;
    event.timestamp = now;
    event.period = periodLabel(play);
    event.clock = mapping::textAtPath(play, {"clock"_L1}, "displayValue"_L1, field::label);
    event.eventType =
        classifyPlay(mapping::textAtPath(play, {"type"_L1}, "text"_L1, field::label).value_or(QString()));
    event.description = std::move(*description);
    event.scoreHome = json::integer(play, "homeScore"_L1);
    event.scoreAway = json::integer(play, "awayScore"_L1);
    event.isScoring = json::boolean(play, "scoringPlay"_L1).value_or(false);
    event.isKeyPlay = event.isScoring;
    return event;
}

} // namespace

QList<PlayByPlayEvent> parsePlays(const QJsonObject& summary, const QString& gameId, const QDateTime& now) {
    QList<PlayByPlayEvent> events;
    const std::optional<QJsonObject> drives = json::object(summary, "drives"_L1);
    const std::optional<QJsonArray> previous =
        drives ? mapping::objectList(*drives, "previous"_L1) : std::nullopt;
    if (!previous)
        return events;
    for (const QJsonValue& drive : *previous) {
        const std::optional<QJsonArray> plays = mapping::objectList(drive.toObject(), "plays"_L1);
        if (!plays)
            continue;
        for (const QJsonValue& play : *plays) {
            if (std::optional<PlayByPlayEvent> event = parsePlay(play.toObject(), gameId, now))
                events.append(std::move(*event));
        }
    }
    std::reverse(events.begin(), events.end());
    return events;
}

PlayEventType classifyPlay(QStringView text) {
    struct Keyword {
        QStringView text;
        PlayEventType type;
    };
    static constexpr std::array<Keyword, 12> keywords{{
        {u"touchdown", PlayEventType::touchdown},
        {u"field goal", PlayEventType::fieldGoal},
        {u"interception", PlayEventType::interception},
        {u"fumble", PlayEventType::fumble},
        {u"sack", PlayEventType::sack},
        {u"punt", PlayEventType::punt},
        {u"kickoff", PlayEventType::kickoff},
        {u"home run", PlayEventType::homeRun},
        {u"strikeout", PlayEventType::strikeout},
        {u"goal", PlayEventType::goal},
        {u"penalty", PlayEventType::penalty},
        {u"timeout", PlayEventType::timeout},
    }};
    const QString lower = text.toString().toLower();
    for (const Keyword& keyword : keywords) {
        if (lower.contains(keyword.text))
            return keyword.type;
    }
    return PlayEventType::other;
}
