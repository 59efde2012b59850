#include "SummarySides.h"

#include "MappingSupport.h"
#include "platform/JsonRead.h"

using namespace Qt::Literals::StringLiterals;

SummarySides::SummarySides(const QJsonObject& summary) {
    const std::optional<QJsonObject> header = json::object(summary, "header"_L1);
    const std::optional<QJsonObject> competition =
        header ? mapping::firstObject(*header, "competitions"_L1) : std::nullopt;
    const std::optional<QJsonArray> competitors =
        competition ? mapping::objectList(*competition, "competitors"_L1) : std::nullopt;
    if (!competitors)
        return;
    for (const QJsonValue& value : *competitors) {
        const QJsonObject competitor = value.toObject();
        if (json::text(competitor, "homeAway"_L1, field::label) != u"home"_s)
            continue;
        m_homeTeamId = mapping::textAtPath(competitor, {"team"_L1}, "id"_L1, field::label);
        if (!m_homeTeamId)
            m_homeTeamId = json::text(competitor, "id"_L1, field::label);
    }
}

bool SummarySides::isHome(const QJsonObject& block) const {
    return mapping::textAtPath(block, {"team"_L1}, "id"_L1, field::label) == m_homeTeamId;
}
