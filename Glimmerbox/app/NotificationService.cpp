#include "NotificationService.h"

#include "platform/Logging.h"
#include "platform/desktop/DesktopNotifier.h"

namespace {
const QString gameStartCategory = QStringLiteral("GAME_START");
const QString gameEndCategory = QStringLiteral("GAME_END");
const QString closeGameCategory = QStringLiteral("CLOSE_GAME");

QString matchup(const Game& game) {
    return game.awayTeam.name + QStringLiteral(" vs ") + game.homeTeam.name;
}

// The team whose score went up, home first; none when neither did.
std::optional<Team> scoringTeam(const Game& game, const Game& previous) {
    if (previous.homeScore < game.homeScore)
        return game.homeTeam;
    if (previous.awayScore < game.awayScore)
        return game.awayTeam;
    return std::nullopt;
}
} // namespace

NotificationService::NotificationService(Notifier& notifier, const Clock& clock)
    : m_notifier(notifier), m_clock(clock) {}

NotificationService& NotificationService::shared() {
    static auto* notifier = new DesktopNotifier();
    static auto* service = new NotificationService(*notifier, Clock::system());
    return *service;
}

void NotificationService::registerCategories() {
    const NotificationAction openGame{openGameAction, QStringLiteral("View Details"), true};
    // The bar at the top of the screen goes by its settings section's name.
    const NotificationAction pinGame{pinGameAction, QStringLiteral("Pin to Overlay Bar"), false};
    // A click on a notification that offers the details opens them too.
    m_notifier.setNotificationCategories({
        {gameStartCategory, {openGame, pinGame}, openGameAction},
        {gameEndCategory, {openGame}, openGameAction},
        {closeGameCategory, {openGame, pinGame}, openGameAction},
    });
}

void NotificationService::sendGameStartNotification(const Game& game) {
    send(game, QStringLiteral("start-") + game.id, QStringLiteral("Game Starting"), matchup(game),
         gameStartCategory);
}

void NotificationService::sendGameEndNotification(const Game& game) {
    send(game, QStringLiteral("end-") + game.id, QStringLiteral("Final Score"), game.scoreLine(),
         gameEndCategory);
}

void NotificationService::sendScoreChangeNotification(const Game& game, const std::optional<Game>& previous) {
    if (!previous)
        return;
    const std::optional<Team> team = scoringTeam(game, *previous);
    if (!team)
        return;
    const QString identifier =
        QStringLiteral("score-%1-%2").arg(game.id).arg(m_clock.now().toSecsSinceEpoch());
    send(game, identifier, team->abbreviation + QStringLiteral(" Scores!"), game.scoreLine());
}

void NotificationService::sendCloseGameNotification(const Game& game) {
    const QString body =
        game.scoreLine() + QStringLiteral(" \u2014 ") + game.period.value_or(QStringLiteral("Live"));
    send(game, QStringLiteral("close-") + game.id, QStringLiteral("Close Game Alert"), body,
         closeGameCategory);
}

void NotificationService::sendOvertimeNotification(const Game& game) {
    send(game, QStringLiteral("ot-") + game.id, QStringLiteral("Overtime!"),
         matchup(game) + QStringLiteral(" is going to overtime"));
}

void NotificationService::send(const Game& game, const QString& identifier, const QString& title,
                               const QString& body, std::optional<QString> categoryIdentifier) {
    NotificationRequest request{identifier,
                                title,
                                body,
                                true,
                                std::move(categoryIdentifier),
                                {{gameIdKey, game.id}, {leagueIdKey, game.league.id}}};
    m_notifier.add(request, [](const std::optional<QString>& error) {
        if (error)
            qCCritical(notificationsLogger).noquote()
                << QStringLiteral("Failed to send notification: ") + *error;
    });
}
