#pragma once

#include "model/Game.h"
#include "model/PlayByPlayEvent.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QUrl>

#include <optional>

// The detail results of the scores service: plain values, no coding support.

struct LeaderCategory {
    QString category;
    QString playerName;
    QString displayValue;
};

struct GameLeaders {
    QList<LeaderCategory> homeLeaders;
    QList<LeaderCategory> awayLeaders;
};

struct PlayerStats {
    QString id;
    QString name;
    QString team;
    QString position;
    QMap<QString, QString> stats;

    bool operator==(const PlayerStats&) const = default;
};

struct BoxScore {
    QMap<QString, QString> homeTeamStats;
    QMap<QString, QString> awayTeamStats;
    QList<PlayerStats> playerStats;
};

struct NewsItem {
    QString id;
    QString headline;
    std::optional<QString> summary;
    std::optional<QUrl> imageURL;
    std::optional<QUrl> linkURL;
    QDateTime published;
};

struct GameDetail {
    Game game;
    std::optional<BoxScore> boxScore;
    QList<PlayByPlayEvent> playByPlay;
    std::optional<GameLeaders> leaders;
    std::optional<QList<NewsItem>> news;
};
