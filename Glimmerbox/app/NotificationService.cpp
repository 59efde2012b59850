#include "NotificationService.h"

#include "platform/Logging.h"
#include "platform/desktop/DesktopNotifier.h"
#include "platform/text/DisplayText.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString gameStartCategory = QStringLiteral("GAME_START");
const QString gameEndCategory = QStringLiteral("GAME_END");
const QString closeGameCategory = QStringLiteral("CLOSE_GAME");

// The most of one reply text a notification shows: the server lays titles and bodies out as they come, so
// a long or broken name would fill the screen's edge.
constexpr qsizetype maxShownTextLength = 64;

// The game with each text a notification shows from it on one line, shortened, and isolated from the words
// and numbers around it, so that a right-to-left override in an abbreviation cannot turn the score round.
Game asShown(Game game) {
    const auto shown = [](const QString& text) { return isolatedLine(text, maxShownTextLength); };
    for (Team* team : {&game.homeTeam, &game.awayTeam}) {
        team->name = shown(team->name);
        team->abbreviation = shown(team->abbreviation);
    }
    if (game.period)
        game.period = shown(*game.period);
    return game;
}

// A title or body as sent: on one line, and reading left to right as its words do. Servers take a
// paragraph's direction from its first strong character, and some (Pango's) count a reply text's override
// among them even inside its isolate: a text that starts with a reply text starts with a left-to-right mark.
QString asSentence(const QString& text) {
    const QString line = oneLineText(text);
    if (!line.isEmpty() && line.front().direction() == QChar::DirL)
        return line;
    return QChar(0x200E) + line;
}

// The request identifier of a game's notification of one kind: a later one of the same kind replaces it on
// the desktop. The league is part of it, as ids are only unique within a league, and leads the game id, as
// league ids hold no "-".
QString requestIdentifier(QLatin1StringView kind, const Game& game) {
    return QString(kind) + u'-' + game.league.id + u'-' + game.id;
}

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
    send(game, requestIdentifier("start"_L1, game), QStringLiteral("Game Starting"), matchup(asShown(game)),
         gameStartCategory);
}

void NotificationService::sendGameEndNotification(const Game& game) {
    send(game, requestIdentifier("end"_L1, game), QStringLiteral("Final Score"), asShown(game).scoreLine(),
         gameEndCategory);
}

void NotificationService::sendScoreChangeNotification(const Game& game, const std::optional<Game>& previous) {
    if (!previous)
        return;
    const Game shown = asShown(game);
    const std::optional<Team> team = scoringTeam(shown, *previous);
    if (!team)
        return;
    const QString identifier =
        requestIdentifier("score"_L1, game) + u'-' + QString::number(m_clock.now().toSecsSinceEpoch());
    send(game, identifier, team->abbreviation + QStringLiteral(" Scores!"), shown.scoreLine());
}

void NotificationService::sendCloseGameNotification(const Game& game) {
    const Game shown = asShown(game);
    const QString body =
        shown.scoreLine() + QStringLiteral(" \u2014 ") + shown.period.value_or(QStringLiteral("Live"));
    send(game, requestIdentifier("close"_L1, game), QStringLiteral("Close Game Alert"), body,
         closeGameCategory);
}

void NotificationService::sendOvertimeNotification(const Game& game) {
    send(game, requestIdentifier("ot"_L1, game), QStringLiteral("Overtime!"),
         matchup(asShown(game)) + QStringLiteral(" is going to overtime"));
}

void NotificationService::sendMoreGamesChangedNotification(qint64 gameCount, const QStringList& leagueNames) {
    const QString title = gameCount == 1 ? QStringLiteral("1 more game changed")
                                         : QStringLiteral("%1 more games changed").arg(gameCount);
    // Each summary stays on the desktop beside the earlier ones, as each tells of games of its own.
    const QString identifier = QStringLiteral("more-") + QString::number(m_clock.now().toSecsSinceEpoch());
    send(NotificationRequest{identifier,
                             asSentence(title),
                             asSentence(leagueNames.join(QStringLiteral(", "))),
                             true,
                             std::nullopt,
                             {}});
}

void NotificationService::send(const Game& game, const QString& identifier, const QString& title,
                               const QString& body, std::optional<QString> categoryIdentifier) {
    send(NotificationRequest{identifier,
                             asSentence(title),
                             asSentence(body),
                             true,
                             std::move(categoryIdentifier),
                             {{gameIdKey, game.id}, {leagueIdKey, game.league.id}}});
}

void NotificationService::send(NotificationRequest request) {
    m_notifier.add(request, [](const std::optional<QString>& error) {
        if (error)
            qCCritical(notificationsLogger).noquote()
                << QStringLiteral("Failed to send notification: ") + *error;
    });
}
