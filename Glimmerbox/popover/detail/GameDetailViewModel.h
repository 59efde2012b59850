#pragma once

#include "model/Game.h"
#include "model/League.h"
#include "model/PlayByPlayEvent.h"
#include "service/APIError.h"
#include "service/GameDetail.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class AppState;
class ScoresService;

// The state behind one game detail panel. Loads only when asked (first show, refresh, retry): finds the
// game among the current games of the enabled leagues, publishes it at once, then asks the scores service
// for its summary. Loads are neither serialised nor cancelled: overlapping loads each publish their own
// result, so the last to finish wins. Every published property emits its change signal on each assignment.
class GameDetailViewModel : public QObject {
    Q_OBJECT
public:
    GameDetailViewModel(QString gameId, AppState& appState, ScoresService& apiService,
                        QObject* parent = nullptr);
    // A model that knows the game's league (a window opened from a notification) loads the game's summary
    // whether or not the game is among the current games: a finished game drops out of them while its
    // league has a game live or about to start, and a league the user stopped following has none.
    GameDetailViewModel(QString gameId, std::optional<League> league, AppState& appState,
                        ScoresService& apiService, QObject* parent = nullptr);

    const QString& gameId() const { return m_gameId; }
    const std::optional<Game>& game() const { return m_game; }
    const std::optional<GameDetail>& gameDetail() const { return m_gameDetail; }
    const QList<PlayByPlayEvent>& playByPlay() const { return m_playByPlay; }
    bool isLoading() const { return m_isLoading; }
    const std::optional<APIError>& error() const { return m_error; }

    // Never fails: a failure lands in error() and the log. A game that is not among the current games ends
    // the load quietly, without a request, unless the model knows its league.
    QCoro::Task<> loadGameDetail();
    // Starts a load without waiting for it, one that asks for the summary past the service's cache: the user
    // (refresh, retry, a notification) wants the game as it stands now, not as it stood up to 30 s ago.
    void refresh();

    // Where the copy of the game that a summary is joined with comes from: the current games, or what an
    // earlier load showed (the game has left the current games since, or never was among them).
    enum class KnownCopy { currentGames, earlierLoad };

    // The summary's game, with what only `known` holds kept where the summary lacks it: each team's logo,
    // colours and record (summaries often carry their teams bare), the venue, the broadcast, the odds and,
    // while the game is live, its situation. A tennis match or a race stays `known` itself: its summary
    // carries no scores (a match's sets, a race's standings), so the summary adds only its plays and leaders.
    // Only the current games follow the match or race, though: a copy from an earlier load takes the
    // summary's status, period and clock, or it would stay live after the end.
    static Game withKnownDetails(Game summaryGame, const Game& known, KnownCopy source);

signals:
    void gameChanged(const std::optional<Game>& game);
    void gameDetailChanged(const std::optional<GameDetail>& gameDetail);
    void playByPlayChanged(const QList<PlayByPlayEvent>& playByPlay);
    void isLoadingChanged(bool isLoading);
    void errorChanged(const std::optional<APIError>& error);

private:
    void setGame(const std::optional<Game>& game);
    void setGameDetail(const std::optional<GameDetail>& gameDetail);
    void setPlayByPlay(const QList<PlayByPlayEvent>& playByPlay);
    void setIsLoading(bool isLoading);
    void setError(const std::optional<APIError>& error);
    std::optional<Game> findCurrentGame() const;
    QCoro::Task<> load(bool live);

    const QString m_gameId;
    const std::optional<League> m_league;
    std::optional<Game> m_game;
    std::optional<GameDetail> m_gameDetail;
    QList<PlayByPlayEvent> m_playByPlay;
    bool m_isLoading = false;
    std::optional<APIError> m_error;
    AppState& m_appState;
    ScoresService& m_apiService;
};
