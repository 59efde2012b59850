#pragma once

#include "RawValue.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

enum class Sport { football, basketball, baseball, hockey, soccer, racing, golf, tennis, mma, cricket };

QString rawValue(Sport sport);
template <>
std::optional<Sport> fromRawValue<Sport>(QStringView raw);
const QList<Sport>& allSports();
// The symbol name of the sport ("football.fill", ...); the icon font maps it to a glyph.
QString sfSymbolName(Sport sport);

// One competition of the fixed catalogue.
struct League {
    QString id;
    QString name;
    QString abbreviation;
    Sport sport = Sport::football;
    QString country;
    std::optional<QUrl> logoURL;
    bool isEnabled = true;
    qint64 sortOrder = 0;

    bool operator==(const League&) const = default;

    // The 18 catalogue leagues in display order.
    static const QList<League>& allLeagues();
    // The catalogue league with this id, if any.
    static std::optional<League> withId(const QString& id);

    // The league's logo at the image host (hosts::imageBaseURL()); nothing for an id outside the catalogue.
    std::optional<QUrl> leagueLogoURL() const;
    // "F1Logo", "NCAAMLogo" or "LaLigaLogo" for f1, ncaam and laliga.
    std::optional<QString> localLogoAssetName() const;

    QJsonObject toJson() const;
    static std::optional<League> fromJson(const QJsonObject& object);
};

size_t qHash(const League& league, size_t seed = 0);
template <>
struct std::hash<League> {
    size_t operator()(const League& league) const { return qHash(league); }
};
