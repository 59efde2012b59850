#include "League.h"

#include "ValueCoding.h"
#include "ValueHasher.h"

#include "platform/network/Hosts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct SportInfo {
    Sport sport;
    QLatin1StringView raw;
    QLatin1StringView symbol;
};

constexpr std::array<SportInfo, 10> sportTable{{
    {Sport::football, "football"_L1, "football.fill"_L1},
    {Sport::basketball, "basketball"_L1, "basketball.fill"_L1},
    {Sport::baseball, "baseball"_L1, "baseball.fill"_L1},
    {Sport::hockey, "hockey"_L1, "hockey.puck.fill"_L1},
    {Sport::soccer, "soccer"_L1, "soccerball"_L1},
    {Sport::racing, "racing"_L1, "car.fill"_L1},
    {Sport::golf, "golf"_L1, "figure.golf"_L1},
    {Sport::tennis, "tennis"_L1, "tennisball.fill"_L1},
    {Sport::mma, "mma"_L1, "figure.martial.arts"_L1},
    {Sport::cricket, "cricket"_L1, "circle.circle.fill"_L1},
}};

const SportInfo& infoOf(Sport sport) {
    return sportTable[static_cast<size_t>(sport)];
}

// One catalogue entry with the key of its logo at the image host.
struct CatalogueEntry {
    const char* id;
    const char* name;
    const char* abbreviation;
    Sport sport;
    const char* country;
    const char* logoKey;
};

constexpr std::array<CatalogueEntry, 18> catalogue{{
    {"nfl", "National Football League", "NFL", Sport::football, "USA", "nfl"},
    {"nba", "National Basketball Association", "NBA", Sport::basketball, "USA", "nba"},
    {"mlb", "Major League Baseball", "MLB", Sport::baseball, "USA", "mlb"},
    {"nhl", "National Hockey League", "NHL", Sport::hockey, "USA", "nhl"},
    {"mls", "Major League Soccer", "MLS", Sport::soccer, "USA", "usa.1"},
    {"epl", "Premier League", "EPL", Sport::soccer, "England", "eng.1"},
    {"laliga", "La Liga", "La Liga", Sport::soccer, "Spain", "esp.1"},
    {"ncaaf", "NCAA Football", "NCAAF", Sport::football, "USA", "college-football"},
    {"ncaam", "NCAA Men's Basketball", "NCAAM", Sport::basketball, "USA", "mens-college-basketball"},
    {"f1", "Formula 1", "F1", Sport::racing, "International", "f1"},
    {"pga", "PGA Tour", "PGA", Sport::golf, "USA", "pga"},
    {"wnba", "Women's NBA", "WNBA", Sport::basketball, "USA", "wnba"},
    {"ufc", "Ultimate Fighting Championship", "UFC", Sport::mma, "USA", "ufc"},
    {"ucl", "UEFA Champions League", "UCL", Sport::soccer, "Europe", "uefa.champions"},
    {"ipl", "Indian Premier League", "IPL", Sport::cricket, "India", "ipl"},
    {"cricket_intl", "International Cricket", "INTL", Sport::cricket, "International", "icc"},
    {"atp", "ATP Tour", "ATP", Sport::tennis, "International", "atp"},
    {"wta", "WTA Tour", "WTA", Sport::tennis, "International", "wta"},
}};

} // namespace

QString rawValue(Sport sport) {
    return infoOf(sport).raw;
}

template <>
std::optional<Sport> fromRawValue<Sport>(QStringView raw) {
    for (const SportInfo& info : sportTable) {
        if (raw == info.raw)
            return info.sport;
    }
    return std::nullopt;
}

const QList<Sport>& allSports() {
    static const QList<Sport> sports = [] {
        QList<Sport> list;
        for (const SportInfo& info : sportTable)
            list.append(info.sport);
        return list;
    }();
    return sports;
}

QString sfSymbolName(Sport sport) {
    return infoOf(sport).symbol;
}

const QList<League>& League::allLeagues() {
    static const QList<League> leagues = [] {
        QList<League> list;
        for (const CatalogueEntry& entry : catalogue) {
            list.append(League{QString::fromUtf8(entry.id), QString::fromUtf8(entry.name),
                               QString::fromUtf8(entry.abbreviation), entry.sport,
                               QString::fromUtf8(entry.country), std::nullopt, true, 0});
        }
        return list;
    }();
    return leagues;
}

std::optional<League> League::withId(const QString& id) {
    for (const League& league : allLeagues()) {
        if (league.id == id)
            return league;
    }
    return std::nullopt;
}

std::optional<QUrl> League::leagueLogoURL() const {
    for (const CatalogueEntry& entry : catalogue) {
        if (id != QLatin1StringView(entry.id))
            continue;
        const QUrl url(hosts::imageBaseURL() + QStringLiteral("/i/teamlogos/leagues/500-dark/") +
                           QLatin1StringView(entry.logoKey) + QStringLiteral(".png"),
                       QUrl::StrictMode);
        return url.isValid() ? std::optional(url) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> League::localLogoAssetName() const {
    if (id == "f1"_L1)
        return QStringLiteral("F1Logo");
    if (id == "ncaam"_L1)
        return QStringLiteral("NCAAMLogo");
    if (id == "laliga"_L1)
        return QStringLiteral("LaLigaLogo");
    return std::nullopt;
}

// Every field of League in declaration order: its JSON keys and its hash follow this one list.
constexpr auto leagueFields = [](auto& league, auto&& field) {
    field("id"_L1, league.id);
    field("name"_L1, league.name);
    field("abbreviation"_L1, league.abbreviation);
    field("sport"_L1, league.sport);
    field("country"_L1, league.country);
    field("logoURL"_L1, league.logoURL);
    field("isEnabled"_L1, league.isEnabled);
    field("sortOrder"_L1, league.sortOrder);
};

QJsonObject League::toJson() const {
    return coding::toObject(*this, leagueFields);
}

std::optional<League> League::fromJson(const QJsonObject& object) {
    return coding::fromObject<League>(object, leagueFields);
}

size_t qHash(const League& league, size_t seed) {
    return hashFields(league, seed, leagueFields);
}
