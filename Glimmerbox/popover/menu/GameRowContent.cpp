#include "popover/menu/GameRowContent.h"

namespace gamerow {

namespace {

// The provider's public web pages.
constexpr QLatin1StringView webBaseAddress{"https://www.espn.com/"};

} // namespace

Centre centreOf(const Game& game) {
    return game.isLive() || game.status == GameStatus::final_ ? Centre::score : Centre::startTime;
}

RaceState raceStateOf(const Game& game) {
    if (game.isLive())
        return RaceState::live;
    return game.status == GameStatus::final_ ? RaceState::finished : RaceState::upcoming;
}

std::optional<RaceDriver> raceLeader(const Game& game) {
    if (!game.raceStandings || game.raceStandings->isEmpty())
        return std::nullopt;
    return game.raceStandings->first();
}

QString raceTitle(const Game& game) {
    return game.venue.value_or(QStringLiteral("Race"));
}

QString liveMarkText(const Game& game) {
    return game.clock.value_or(QStringLiteral("LIVE"));
}

PinButtonLook pinButtonLook(bool isPinned, bool isHovered) {
    PinButtonLook look;
    look.symbol = isPinned ? QStringLiteral("pin.fill") : QStringLiteral("pin");
    look.accent = isPinned;
    look.toolTip = isPinned ? QStringLiteral("Unpin") : QStringLiteral("Pin to Menu Bar");
    look.opacity = isHovered || isPinned ? 1.0 : 0.0;
    return look;
}

QList<MenuEntry> menuEntries(const Game& game, bool isPinned) {
    using Action = MenuEntry::Action;
    QList<MenuEntry> entries;
    if (isPinned)
        entries.append(
            {Action::togglePin, QStringLiteral("Unpin from Menu Bar"), QStringLiteral("pin.slash")});
    else
        entries.append({Action::togglePin, QStringLiteral("Pin to Menu Bar"), QStringLiteral("pin")});
    entries.append({Action::viewDetails, QStringLiteral("View Details"), QStringLiteral("info.circle")});
    entries.append({Action::separator, {}, {}});
    if (game.broadcast)
        entries.append({Action::watch, QStringLiteral("Watch on ") + *game.broadcast, QStringLiteral("tv")});
    entries.append({Action::openInBrowser, QStringLiteral("Open in Browser"), QStringLiteral("safari")});
    entries.append({Action::separator, {}, {}});
    entries.append({Action::copyScore, QStringLiteral("Copy Score"), QStringLiteral("doc.on.doc")});
    return entries;
}

QString copyScoreText(const Game& game) {
    return game.awayTeam.name + QStringLiteral(" vs ") + game.homeTeam.name + QStringLiteral(": ") +
           game.scoreLine();
}

std::optional<QUrl> browserAddress(const Game& game) {
    const QString address =
        webBaseAddress + QString::fromLatin1(QUrl::toPercentEncoding(rawValue(game.league.sport))) +
        QStringLiteral("/game/_/gameId/") + QString::fromLatin1(QUrl::toPercentEncoding(game.id));
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

} // namespace gamerow
