#include "TeamMapping.h"

#include "MappingSupport.h"
#include "platform/JsonRead.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// Team lists carry "logos" ([{"href": ...}]) where scoreboards carry "logo".
std::optional<QString> logoText(const QJsonObject& team) {
    if (std::optional<QString> logo = json::text(team, "logo"_L1, field::address))
        return logo;
    const std::optional<QJsonArray> logos = json::array(team, "logos"_L1);
    if (!logos)
        return std::nullopt;
    const std::optional<QJsonObject> first = json::objectAt(*logos, 0);
    if (!first)
        return std::nullopt;
    return json::text(*first, "href"_L1, field::address);
}

// Spaces and tabs at either end; line breaks stay.
QStringView trimmedOfBlanks(QStringView text) {
    const auto isBlank = [](QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

QString athleteDisplayName(const QJsonObject& competitor) {
    const std::optional<QJsonObject> athlete = json::object(competitor, "athlete"_L1);
    return athlete ? json::text(*athlete, "displayName"_L1, field::label, QString()) : QString();
}

// The first overall record in the list under `key`; nothing when that one is no "W-L[-T]" summary.
std::optional<TeamRecord> overallRecordAmong(const QJsonObject& competitor, QLatin1StringView key) {
    const std::optional<QJsonArray> records = mapping::objectList(competitor, key);
    if (!records)
        return std::nullopt;
    for (const QJsonValueConstRef value : *records) {
        const QJsonObject record = value.toObject();
        if (json::text(record, "type"_L1, field::label) != u"total"_s &&
            json::text(record, "name"_L1, field::label) != u"overall"_s)
            continue;
        const std::optional<QString> summary = json::text(record, "summary"_L1, field::label);
        if (!summary)
            return std::nullopt;
        // The first three non-empty pieces between dashes, and how many there are.
        std::array<QStringView, 3> pieces;
        qsizetype count = 0;
        for (const QStringView piece : QStringView(*summary).tokenize(u'-', Qt::SkipEmptyParts)) {
            if (count < qsizetype(pieces.size()))
                pieces[count] = piece;
            ++count;
        }
        if (count < 2)
            return std::nullopt;
        const auto figure = [&](qsizetype i) { return mapping::integerText(pieces[i]).value_or(0); };
        TeamRecord result;
        result.wins = figure(0);
        result.losses = figure(1);
        if (count > 2)
            result.ties = figure(2);
        return result;
    }
    return std::nullopt;
}

} // namespace

Team parseTeam(const QJsonObject& object, const League& league) {
    Team team;
    team.id = mapping::textOrRandomId(object, "id"_L1);
    team.name = json::text(object, "displayName"_L1, field::label, u"Unknown"_s);
    team.abbreviation = json::text(object, "abbreviation"_L1, field::label, u"UNK"_s);
    team.shortName = json::text(object, "shortDisplayName"_L1, field::label, team.name);
    team.location = json::text(object, "location"_L1, field::label, QString());
    team.league = league;
    team.logoURL = mapping::urlFromText(logoText(object));
    team.primaryColor = json::text(object, "color"_L1, field::label, QString(fallbackTeamColor));
    team.secondaryColor = json::text(object, "alternateColor"_L1, field::label, u"FFFFFF"_s);
    return team;
}

Team parseAthleteTeam(const QJsonObject& competitor, const League& league) {
    const QJsonObject athlete = json::object(competitor, "athlete"_L1).value_or(QJsonObject());
    Team team;
    team.id = mapping::textOrRandomId(competitor, "id"_L1);
    team.name = json::text(athlete, "displayName"_L1, field::label, u"Unknown"_s);
    team.shortName = json::text(athlete, "shortName"_L1, field::label, team.name);
    const QList<QStringView> pieces = QStringView(team.shortName).split(u' ', Qt::SkipEmptyParts);
    team.abbreviation = pieces.isEmpty() ? team.shortName : pieces.last().toString();
    team.location = team.name;
    team.league = league;
    if (const std::optional<QJsonObject> flag = json::object(athlete, "flag"_L1))
        team.logoURL = mapping::urlFromText(json::text(*flag, "href"_L1, field::address));
    team.primaryColor = u"1E88E5"_s;
    team.secondaryColor = u"FFFFFF"_s;
    return team;
}

bool isPlaceholderAthlete(const QJsonObject& competitor) {
    const QString displayName = athleteDisplayName(competitor);
    const QStringView name = trimmedOfBlanks(displayName);
    return name.isEmpty() || name.toString().toUpper() == u"TBD" || name == u"Unknown";
}

std::optional<TeamRecord> competitorRecord(const QJsonObject& competitor) {
    if (std::optional<TeamRecord> record = overallRecordAmong(competitor, "records"_L1))
        return record;
    return overallRecordAmong(competitor, "record"_L1);
}
