#pragma once

#include <QMap>
#include <QObject>
#include <QString>

class AppState;
class GameDetailWindows;
class Notifier;

// Answers the buttons of delivered game notifications: "View Details" (and a click on a notification that
// offers it) brings the game's detail window forward and loads the game afresh; the pin button pins the
// game as the overlay's picker does, evicting the oldest pin at the bound. A game the state no longer holds
// (a final while its league has a game live, a league no longer followed) opens its detail all the same,
// loaded by league and id, but is not pinned.
class NotificationResponder : public QObject {
    Q_OBJECT
public:
    NotificationResponder(Notifier& notifier, AppState& appState, GameDetailWindows& gameDetails,
                          QObject* parent = nullptr);

private:
    void respond(const QString& actionIdentifier, const QMap<QString, QString>& userInfo);
    void pin(const QString& gameId, const QString& leagueId);

    AppState& m_appState;
    GameDetailWindows& m_gameDetails;
};
