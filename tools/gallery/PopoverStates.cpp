// The popover, its rows and the game detail panel, from made-up games.
#include "GalleryAppState.h"
#include "GalleryRegistry.h"
#include "GallerySamples.h"

#include "popover/detail/ErrorView.h"
#include "popover/detail/GameDetailPanel.h"
#include "popover/menu/GameRowView.h"
#include "popover/menu/MenuBarView.h"
#include "popover/menu/PopoverServices.h"

#include <QMenu>
#include <QVBoxLayout>

namespace {

const QDateTime tonight = QDateTime(QDate(2026, 3, 14), QTime(19, 30), Qt::LocalTime);

Game galleryGame(const QString& id, const QString& leagueId, Team away, Team home, GameStatus status,
                 qint64 awayScore = 0, qint64 homeScore = 0) {
    Game game;
    game.id = id;
    game.league = League::withId(leagueId).value_or(League{});
    game.awayTeam = std::move(away);
    game.homeTeam = std::move(home);
    game.status = status;
    game.awayScore = awayScore;
    game.homeScore = homeScore;
    game.startTime = tonight.toUTC().addSecs(status == GameStatus::scheduled ? 5400 : -5400);
    game.lastUpdate = tonight.toUTC();
    return game;
}

TeamRecord record(qint64 wins, qint64 losses) {
    TeamRecord result;
    result.wins = wins;
    result.losses = losses;
    return result;
}

Game liveBasketball() {
    Team away = galleryTeam("BOS", "Boston Harbors", "007A33");
    away.record = record(41, 17);
    Team home = galleryTeam("LAL", "Los Angeles Lights", "552583");
    home.record = record(33, 26);
    Game game = galleryGame("g-nba-1", "nba", away, home, GameStatus::inProgress, 97, 98);
    game.period = QStringLiteral("4th");
    game.clock = QStringLiteral("2:00");
    game.venue = QStringLiteral("Harbor Arena");
    game.broadcast = QStringLiteral("Channel 9");
    return game;
}

Game scheduledBasketball(const QString& id, int minutesAhead) {
    Game game = galleryGame(id, "nba", galleryTeam("NYK", "New York Knights", "F58426"),
                            galleryTeam("MIA", "Miami Tides", "98002E"), GameStatus::scheduled);
    game.startTime = tonight.toUTC().addSecs(minutesAhead * 60);
    game.broadcast = QStringLiteral("Sports One");
    return game;
}

Game finalHockey() {
    return galleryGame("g-nhl-1", "nhl", galleryTeam("TOR", "Toronto Pines", "00205B", "nhl"),
                       galleryTeam("MTL", "Montreal Stars", "AF1E2D", "nhl"), GameStatus::final_, 2, 4);
}

Game liveRace() {
    Game race = galleryGame("g-f1-1", "f1", galleryTeam("GP", "Grand Prix", "E10600", "f1", false),
                            galleryTeam("GP", "Grand Prix", "E10600", "f1", false), GameStatus::inProgress);
    race.clock = QStringLiteral("Lap 38/57");
    race.venue = QStringLiteral("Lakeside Circuit");
    race.raceStandings = QList<RaceDriver>{{"d1", 1, "Ada Quickfield", "QUI", std::nullopt, false},
                                           {"d2", 2, "Ben Laptime", "LAP", std::nullopt, false}};
    return race;
}

QImage renderPopover(GalleryAppState& app, const std::function<void(MenuBarView&)>& adjust = {}) {
    PopoverServices services{app.state(), app.scores(), app.preferences(), {}};
    MenuBarView view(services);
    if (adjust)
        adjust(view);
    return renderWidget(view, galleryLight, QSize(MenuBarView::popoverWidth, MenuBarView::popoverHeight));
}

QImage renderRows(const QList<std::pair<Game, bool>>& rows, bool hovered = false) {
    GalleryAppState app;
    PopoverServices services{app.state(), app.scores(), app.preferences(), {}};
    QWidget list;
    list.setFixedWidth(MenuBarView::popoverWidth);
    auto* layout = new QVBoxLayout(&list);
    layout->setContentsMargins(0, 4, 0, 4);
    for (const auto& [game, pinned] : rows) {
        auto* row = new GameRowView(game, pinned, services, &list);
        row->setHovered(hovered);
        layout->addWidget(row);
    }
    return renderWidget(list, galleryLight);
}

const GalleryStateRegistration popoverWithPins{
    "popover-with-pins", [] {
        GalleryAppState app;
        app.show({"nba", "nhl"}, {liveBasketball(), scheduledBasketball("g-nba-2", 90), finalHockey()});
        app.state().setPinnedGames({liveBasketball()});
        app.markRefreshed(120);
        return renderPopover(app);
    }};

const GalleryStateRegistration popoverLiveNow{
    "popover-live-now-and-empty-league", [] {
        GalleryAppState app;
        app.show({"nba", "nhl", "epl"}, {liveBasketball(), scheduledBasketball("g-nba-2", 45),
                                         scheduledBasketball("g-nba-3", 20), finalHockey()});
        app.markRefreshed(40);
        return renderPopover(app);
    }};

const GalleryStateRegistration popoverCollapsed{
    "popover-collapsed-section-offline", [] {
        GalleryAppState app;
        app.show({"nba", "nhl"}, {liveBasketball(), scheduledBasketball("g-nba-2", 90), finalHockey()});
        app.markRefreshed(3600);
        app.setOnline(false);
        return renderPopover(app, [](MenuBarView& view) { view.setSectionExpanded("nba", false); });
    }};

const GalleryStateRegistration popoverLoading{
    "popover-loading", [] {
        GalleryAppState app;
        app.show({"nba", "nhl"}, {liveBasketball(), scheduledBasketball("g-nba-2", 90), finalHockey()});
        app.markRefreshed(300);
        app.startUnfinishedRefresh();
        return renderPopover(app);
    }};

const GalleryStateRegistration popoverNoLeague{"popover-no-league", [] {
                                                   GalleryAppState app;
                                                   app.markRefreshed(60);
                                                   return renderPopover(app);
                                               }};

// Long and multi-line texts from a reply: each shortened inside its own column, the row one line tall.
const GalleryStateRegistration rowLongNames{
    "popover-rows-long-names", [] {
        Game live = liveBasketball();
        live.awayTeam.abbreviation = galleryUnrulyText("BOS", 260);
        live.homeTeam.abbreviation = QStringLiteral("LA\nL");
        Game scheduled = scheduledBasketball("g-nba-2", 90);
        scheduled.homeTeam.abbreviation = galleryUnrulyText("MIA", 260);
        scheduled.broadcast = galleryUnrulyText("Sports One", 200);
        Game race = liveRace();
        (*race.raceStandings)[0].name = galleryUnrulyText("Ada", 200);
        return renderRows({{live, false}, {scheduled, true}, {race, false}});
    }};

const GalleryStateRegistration rowKinds{"popover-rows-live-scheduled-final-racing", [] {
                                            Game upcomingRace = liveRace();
                                            upcomingRace.id = "g-f1-2";
                                            upcomingRace.status = GameStatus::scheduled;
                                            upcomingRace.venue.reset();
                                            Game finishedRace = liveRace();
                                            finishedRace.id = "g-f1-3";
                                            finishedRace.status = GameStatus::final_;
                                            Game raceWithoutClock = liveRace();
                                            raceWithoutClock.clock.reset();
                                            return renderRows({{liveBasketball(), false},
                                                               {scheduledBasketball("g-nba-2", 90), false},
                                                               {finalHockey(), false},
                                                               {liveRace(), false},
                                                               {raceWithoutClock, false},
                                                               {upcomingRace, false},
                                                               {finishedRace, false}});
                                        }};

const GalleryStateRegistration rowHovered{
    "popover-row-hovered", [] {
        return renderRows({{scheduledBasketball("g-nba-2", 90), false}}, true);
    }};

const GalleryStateRegistration rowPinned{"popover-row-pinned", [] {
                                             return renderRows({{liveBasketball(), true}});
                                         }};

const GalleryStateRegistration rowMenu{
    "popover-row-context-menu", [] {
        GalleryAppState app;
        PopoverServices services{app.state(), app.scores(), app.preferences(), {}};
        GameRowView row(liveBasketball(), true, services);
        std::unique_ptr<QMenu> menu = row.buildContextMenu();
        return renderWidget(*menu, galleryLight);
    }};

// --- The detail panel ---

PlayByPlayEvent play(const QString& id, const QString& description, PlayEventType type, bool scoring,
                     bool key, std::optional<qint64> away = std::nullopt,
                     std::optional<qint64> home = std::nullopt) {
    PlayByPlayEvent event;
    event.id = id;
    event.period = QStringLiteral("4th");
    event.clock = QStringLiteral("2:%1").arg(id.toInt() * 7 % 60, 2, 10, QLatin1Char('0'));
    event.eventType = type;
    event.description = description;
    event.team = QStringLiteral("BOS");
    event.scoreAway = away;
    event.scoreHome = home;
    event.isScoring = scoring;
    event.isKeyPlay = key;
    return event;
}

QList<PlayByPlayEvent> samplePlays() {
    return {
        play("9", "Harper makes 26-foot three point jumper", PlayEventType::threePointer, true, true, 97, 98),
        play("8", "Lights full timeout", PlayEventType::timeout, false, false),
        play("7", "Nolan blocks Okafor's layup", PlayEventType::block, false, true),
        play("6", "Okafor makes driving layup", PlayEventType::score, true, false, 94, 98),
        play("5", "Shooting foul on Harper", PlayEventType::penalty, false, false),
        play("4", "Reyes defensive rebound", PlayEventType::other, false, false)};
}

GameDetail sampleDetail(const Game& game, bool withBoxScore) {
    GameDetail detail{game, std::nullopt, samplePlays(), GameLeaders{}, std::nullopt};
    detail.leaders->homeLeaders = {{"Points", "Mara Okafor", "31 PTS"}, {"Rebounds", "Dee Nolan", "11 REB"}};
    detail.leaders->awayLeaders = {{"Points", "Jay Harper", "29 PTS"}, {"Assists", "Sam Reyes", "9 AST"}};
    if (withBoxScore) {
        BoxScore box;
        box.playerStats = {
            {"p1", "Jay Harper", "BOS", "F", {{"PTS", "29"}, {"REB", "7"}, {"AST", "5"}, {"STL", "2"}}},
            {"p2", "Mara Okafor", "LAL", "C", {{"PTS", "31"}, {"REB", "9"}, {"BLK", "3"}}},
            {"p3", "Sam Reyes", "BOS", "G", {}}};
        detail.boxScore = box;
    }
    return detail;
}

QImage renderPanel(const DetailPanelState& state, DetailTab tab = DetailTab::summary) {
    GameDetailPanel panel;
    panel.setState(state);
    panel.selectTab(tab);
    return renderWidget(panel, galleryLight);
}

DetailPanelState loaded(const Game& game, bool withBoxScore = false) {
    const GameDetail detail = sampleDetail(game, withBoxScore);
    return {game, detail, detail.playByPlay, false, std::nullopt};
}

const GalleryStateRegistration detailLoading{
    "detail-loading", [] {
        return renderPanel({std::nullopt, std::nullopt, {}, true, std::nullopt});
    }};

const GalleryStateRegistration detailError{
    "detail-error-with-retry", [] {
        return renderPanel({liveBasketball(), std::nullopt, {}, false, APIError::httpError(503)});
    }};

const GalleryStateRegistration detailNotFound{
    "detail-game-not-found", [] {
        return renderPanel({std::nullopt, std::nullopt, {}, false, std::nullopt});
    }};

const GalleryStateRegistration errorWithoutRetry{
    "detail-error-view-without-retry", [] {
        ErrorView view(APIError::networkUnavailable().errorDescription(), {});
        view.setFixedWidth(GameDetailPanel::panelWidth);
        return renderWidget(view, galleryLight, QSize(GameDetailPanel::panelWidth, 300));
    }};

const GalleryStateRegistration detailSummary{"detail-summary",
                                             [] { return renderPanel(loaded(liveBasketball())); }};

const GalleryStateRegistration detailPlays{
    "detail-plays", [] { return renderPanel(loaded(liveBasketball()), DetailTab::playByPlay); }};

const GalleryStateRegistration detailBoxScoreEmpty{
    "detail-box-score-empty", [] { return renderPanel(loaded(liveBasketball()), DetailTab::boxScore); }};

const GalleryStateRegistration detailStatsEmpty{
    "detail-stats-empty", [] { return renderPanel(loaded(liveBasketball()), DetailTab::stats); }};

const GalleryStateRegistration detailBoxScore{
    "detail-box-score-made-up",
    [] { return renderPanel(loaded(liveBasketball(), true), DetailTab::boxScore); }};

const GalleryStateRegistration detailStats{
    "detail-stats-made-up", [] { return renderPanel(loaded(liveBasketball(), true), DetailTab::stats); }};

// A player's long and multi-line name gives way; the statistics beside it stay whole in their columns.
DetailPanelState withLongPlayerName() {
    DetailPanelState state = loaded(liveBasketball(), true);
    state.gameDetail->boxScore->playerStats[0].name = galleryUnrulyText("Jay", 260);
    return state;
}

const GalleryStateRegistration detailBoxScoreLongNames{
    "detail-box-score-long-names", [] { return renderPanel(withLongPlayerName(), DetailTab::boxScore); }};

const GalleryStateRegistration detailStatsLongNames{
    "detail-stats-long-names", [] { return renderPanel(withLongPlayerName(), DetailTab::stats); }};

// A play of one unbroken 2,000-character word wraps anywhere inside the panel, as many lines as it takes.
const GalleryStateRegistration detailPlaysUnbrokenWord{"detail-plays-unbroken-word", [] {
                                                           DetailPanelState state = loaded(liveBasketball());
                                                           state.playByPlay[1].description =
                                                               QString(2000, u'W');
                                                           return renderPanel(state, DetailTab::playByPlay);
                                                       }};

// Short names over two lines in their columns; one too long for two is shortened at the end of the second.
const GalleryStateRegistration detailTwoLineShortNames{
    "detail-two-line-short-names", [] {
        Game game = liveBasketball();
        game.awayTeam.shortName = QStringLiteral("North Shore Mariners");
        game.homeTeam.shortName = QStringLiteral("North Shore Mariners of the Long Bay Harbour");
        return renderPanel(loaded(game));
    }};

const GalleryStateRegistration detailFootball{
    "detail-football-situation", [] {
        Game game = galleryGame("g-nfl-1", "nfl", galleryTeam("BUF", "Buffalo Bisons", "00338D", "nfl"),
                                galleryTeam("KC", "Kansas City Comets", "E31837", "nfl"),
                                GameStatus::inProgress, 17, 20);
        game.period = QStringLiteral("4th");
        game.clock = QStringLiteral("1:52");
        game.situations = GameSituation{};
        game.situations->down = 3;
        game.situations->distance = 7;
        game.situations->yardLine = QStringLiteral("KC 35");
        game.odds = GameOdds{};
        game.odds->spread = -2.5;
        game.odds->spreadFavorite = QStringLiteral("KC");
        game.odds->overUnder = 47.5;
        return renderPanel({game, std::nullopt, {}, true, std::nullopt});
    }};

const GalleryStateRegistration detailBaseball{
    "detail-baseball-diamond", [] {
        Game game =
            galleryGame("g-mlb-1", "mlb", galleryTeam("NYY", "New York Yards", "0C2340", "mlb"),
                        galleryTeam("BOS", "Boston Socks", "BD3039", "mlb"), GameStatus::inProgress, 3, 2);
        game.period = QStringLiteral("Top 7th");
        game.situations = GameSituation{};
        game.situations->balls = 2;
        game.situations->strikes = 1;
        game.situations->outs = 1;
        game.situations->runnersOnBase = QList<qint64>{1, 3};
        return renderPanel({game, std::nullopt, {}, false, std::nullopt});
    }};

const GalleryStateRegistration detailHockey{
    "detail-hockey-power-play", [] {
        Game game = finalHockey();
        game.status = GameStatus::inProgress;
        game.period = QStringLiteral("2nd");
        game.clock = QStringLiteral("8:41");
        game.situations = GameSituation{};
        game.situations->powerPlay = QStringLiteral("PP 1:12");
        return renderPanel({game, std::nullopt, {}, false, std::nullopt});
    }};

} // namespace
