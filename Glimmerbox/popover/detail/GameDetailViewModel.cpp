#include "popover/detail/GameDetailViewModel.h"

#include "app/AppState.h"
#include "platform/Logging.h"
#include "service/ScoresService.h"
#include "service/TeamMapping.h"

#include <QPointer>

namespace {

template <typename Value>
void keepIfAbsent(std::optional<Value>& value, const std::optional<Value>& known) {
    if (!value)
        value = known;
}

// Keeps the logo, colours and record of the same team in `known` where `team` has none. The team is found
// by id, else by its side (a summary without team ids still lists the same sides).
void keepKnownTeam(Team& team, const Team& sameSide, const Game& known) {
    const Team* match = &sameSide;
    for (const Team* candidate : {&known.homeTeam, &known.awayTeam}) {
        if (candidate->id == team.id)
            match = candidate;
    }
    keepIfAbsent(team.logoURL, match->logoURL);
    if (team.primaryColor.isEmpty() || team.primaryColor == fallbackTeamColor) {
        team.primaryColor = match->primaryColor;
        team.secondaryColor = match->secondaryColor;
    }
    keepIfAbsent(team.record, match->record);
}

} // namespace

GameDetailViewModel::GameDetailViewModel(QString gameId, AppState& appState, ScoresService& apiService,
                                         QObject* parent)
    : GameDetailViewModel(std::move(gameId), std::nullopt, appState, apiService, parent) {}

GameDetailViewModel::GameDetailViewModel(QString gameId, std::optional<League> league, AppState& appState,
                                         ScoresService& apiService, QObject* parent)
    : QObject(parent), m_gameId(std::move(gameId)), m_league(std::move(league)), m_appState(appState),
      m_apiService(apiService) {}

Game GameDetailViewModel::withKnownDetails(Game summaryGame, const Game& known, KnownCopy source) {
    if (known.league.sport == Sport::tennis || known.league.sport == Sport::racing) {
        if (source == KnownCopy::currentGames)
            return known;
        Game kept = known;
        kept.status = summaryGame.status;
        kept.period = std::move(summaryGame.period);
        kept.clock = std::move(summaryGame.clock);
        return kept;
    }
    keepKnownTeam(summaryGame.homeTeam, known.homeTeam, known);
    keepKnownTeam(summaryGame.awayTeam, known.awayTeam, known);
    keepIfAbsent(summaryGame.venue, known.venue);
    keepIfAbsent(summaryGame.broadcast, known.broadcast);
    keepIfAbsent(summaryGame.odds, known.odds);
    // A situation describes play in progress: one that the summary reports over keeps none.
    if (summaryGame.isLive())
        keepIfAbsent(summaryGame.situations, known.situations);
    return summaryGame;
}

std::optional<Game> GameDetailViewModel::findCurrentGame() const {
    // Of two games with the same id the earlier start is taken, and of equal starts the first listed.
    std::optional<Game> found;
    for (const Game& game : m_appState.enabledLeagueGames()) {
        if (game.id == m_gameId && (!m_league || game.league.id == m_league->id) &&
            (!found || game.startTime < found->startTime))
            found = game;
    }
    return found;
}

QCoro::Task<> GameDetailViewModel::loadGameDetail() {
    return load(false);
}

QCoro::Task<> GameDetailViewModel::load(bool live) {
    setIsLoading(true);
    setError(std::nullopt);
    const std::optional<Game> found = findCurrentGame();
    if (!found && !m_league) {
        setIsLoading(false);
        co_return;
    }
    // Published before the request, so that the panel shows the scoreboard while the summary loads.
    if (found)
        setGame(found);
    // What the summary may lack comes from the current games' copy, else from what an earlier load showed.
    const std::optional<Game> known = found ? found : m_game;
    const KnownCopy knownSource = found ? KnownCopy::currentGames : KnownCopy::earlierLoad;
    const League league = found ? found->league : *m_league;

    QPointer<GameDetailViewModel> self(this);
    // Chosen outside the coroutine: GCC 12 runs both arms of a conditional that is co_awaited.
    const auto fetch = [&] {
        return live ? m_apiService.fetchLiveGameDetail(m_gameId, league)
                    : m_apiService.fetchGameDetail(m_gameId, league);
    };
    const ServiceResult<GameDetail> result = co_await fetch();
    // The panel (and its model) may have closed meanwhile; then nobody is left to show the result.
    if (!self)
        co_return;
    if (result) {
        GameDetail detail = result.value();
        if (known)
            detail.game = withKnownDetails(detail.game, *known, knownSource);
        setGameDetail(detail);
        setGame(detail.game);
        setPlayByPlay(detail.playByPlay);
    } else {
        setError(result.error());
        qCCritical(generalLogger).noquote()
            << QStringLiteral("Failed to load game details: ") + result.error().errorDescription();
    }
    setIsLoading(false);
}

void GameDetailViewModel::refresh() {
    // Runs detached; QCoro frees the task when it finishes.
    load(true);
}

void GameDetailViewModel::setGame(const std::optional<Game>& game) {
    m_game = game;
    emit gameChanged(m_game);
}

void GameDetailViewModel::setGameDetail(const std::optional<GameDetail>& gameDetail) {
    m_gameDetail = gameDetail;
    emit gameDetailChanged(m_gameDetail);
}

void GameDetailViewModel::setPlayByPlay(const QList<PlayByPlayEvent>& playByPlay) {
    m_playByPlay = playByPlay;
    emit playByPlayChanged(m_playByPlay);
}

void GameDetailViewModel::setIsLoading(bool isLoading) {
    m_isLoading = isLoading;
    emit isLoadingChanged(m_isLoading);
}

void GameDetailViewModel::setError(const std::optional<APIError>& error) {
    m_error = error;
    emit errorChanged(m_error);
}
