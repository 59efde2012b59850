#pragma once

#include "model/Game.h"
#include "model/League.h"
#include "service/TopScorer.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// What the leaders panel shows for the displayed game: the league badge alone, a spinner, or the first
// away and the first home leader on either side of the badge.
struct LeadersContent {
    enum class Kind { badge, loading, columns };

    // The league's mark: its own artwork, else its logo from the image host (the abbreviation while that
    // loads or when it fails), else the abbreviation.
    struct LeagueBadge {
        enum class Kind { artwork, remoteLogo, abbreviation };
        Kind kind = Kind::abbreviation;
        QString assetName;
        QUrl logoURL;
        QString abbreviation;
    };

    Kind kind = Kind::badge;
    LeagueBadge badge;
    std::optional<TopScorer> away;
    std::optional<TopScorer> home;

    static bool sportHasLeaders(Sport sport);
    static LeagueBadge leagueBadge(const League& league);
    static LeadersContent make(const Game& game, bool isLoadingLeaders, const QList<TopScorer>& topScorers);
    // The first character of the player's name that shows, for the placeholder circle; empty when none does.
    static QString initial(const QString& playerName);
};
