#include "notch/panels/LeadersContent.h"

#include "platform/text/DisplayText.h"

bool LeadersContent::sportHasLeaders(Sport sport) {
    switch (sport) {
    case Sport::football:
    case Sport::basketball:
    case Sport::hockey:
    case Sport::soccer:
    case Sport::cricket:
        return true;
    default:
        return false;
    }
}

LeadersContent::LeagueBadge LeadersContent::leagueBadge(const League& league) {
    LeagueBadge badge;
    badge.abbreviation = league.abbreviation;
    if (const auto asset = league.localLogoAssetName()) {
        badge.kind = LeagueBadge::Kind::artwork;
        badge.assetName = *asset;
    } else if (const auto url = league.leagueLogoURL()) {
        badge.kind = LeagueBadge::Kind::remoteLogo;
        badge.logoURL = *url;
    }
    return badge;
}

LeadersContent LeadersContent::make(const Game& game, bool isLoadingLeaders,
                                    const QList<TopScorer>& topScorers) {
    LeadersContent content;
    content.badge = leagueBadge(game.league);
    if (!sportHasLeaders(game.league.sport))
        return content;
    if (isLoadingLeaders) {
        content.kind = Kind::loading;
        return content;
    }
    for (const TopScorer& scorer : topScorers) {
        std::optional<TopScorer>& side = scorer.isHome ? content.home : content.away;
        if (!side)
            side = scorer;
    }
    content.kind = topScorers.isEmpty() ? Kind::badge : Kind::columns;
    return content;
}

QString LeadersContent::initial(const QString& playerName) {
    return initialOf(playerName);
}
