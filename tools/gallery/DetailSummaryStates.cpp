// The detail panel as its model leaves it once a game's summary is in: the summary reply mapped as the
// scores service maps it, then joined with the copy of the game the application state holds, if any.
#include "GalleryAppState.h"
#include "GalleryRegistry.h"
#include "GallerySamples.h"
#include "QuietServices.h"

#include "popover/detail/GameDetailPanel.h"
#include "popover/detail/GameDetailViewModel.h"
#include "service/ScoresMapping.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Answers each summary request at once with the next of its replies (the last one again once they run out),
// mapped as the scores service maps it; every other request fails at once.
class SummaryReplies final : public quiet::UnreachableScores {
public:
    SummaryReplies(const QList<QJsonObject>& replies, QDateTime now) : m_now(std::move(now)) {
        for (const QJsonObject& reply : replies)
            m_replies.append(QJsonDocument(reply).toJson(QJsonDocument::Compact));
    }

    QCoro::Task<ServiceResult<GameDetail>> fetchGameDetail(QString gameId, League league) override {
        const QByteArray reply = m_replies.value(m_answered++, m_replies.value(m_replies.size() - 1));
        co_return parseSummary(reply, league, gameId, m_now);
    }

private:
    QList<QByteArray> m_replies;
    qsizetype m_answered = 0;
    QDateTime m_now;
};

// The panel of a window opened from a notification of `gameId`, once each summary in turn has loaded (the
// first on opening, each next one on a refresh).
QImage afterSummaries(GalleryAppState& app, const QString& gameId, const QString& leagueId,
                      const QList<QJsonObject>& summaries) {
    SummaryReplies scores(summaries, app.now());
    GameDetailViewModel model(gameId, League::withId(leagueId), app.state(), scores);
    for (qsizetype loaded = 0; loaded < summaries.size(); ++loaded) {
        model.refresh();
        const QDeadlineTimer deadline(std::chrono::seconds(5));
        while (model.isLoading() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    GameDetailPanel panel;
    panel.setState({model.game(), model.gameDetail(), model.playByPlay(), model.isLoading(), model.error()});
    return renderWidget(panel, galleryLight);
}

QJsonObject teamJson(const Team& team) {
    return {{"id", team.id},
            {"abbreviation", team.abbreviation},
            {"displayName", team.name},
            {"shortDisplayName", team.shortName},
            {"location", team.location},
            {"color", team.primaryColor},
            {"logo", team.logoURL.value_or(QUrl()).toString()}};
}

// A team's competitor as the service's summaries give it, its records under "record".
QJsonObject competitor(const QString& homeAway, const Team& team, const QString& score,
                       const QString& record) {
    return {{"homeAway", homeAway},
            {"team", teamJson(team)},
            {"score", score},
            {"record", QJsonArray{QJsonObject{{"type", "total"}, {"summary", record}}}}};
}

QJsonObject status(const QString& state, const QString& shortDetail) {
    return {{"displayClock", "0:00"}, {"type", QJsonObject{{"state", state}, {"shortDetail", shortDetail}}}};
}

// The summary of the game `gameId`, which the service names in its header.
QJsonObject summaryOf(const QString& gameId, const QJsonObject& competition, const QJsonObject& rest = {}) {
    QJsonObject summary = rest;
    summary.insert("header", QJsonObject{{"id", gameId}, {"competitions", QJsonArray{competition}}});
    return summary;
}

QJsonObject leader(const QString& team, const QString& category, const QString& player,
                   const QString& value) {
    const QJsonObject entry{{"displayValue", value}, {"athlete", QJsonObject{{"displayName", player}}}};
    return {{"team", QJsonObject{{"id", team}}},
            {"leaders", QJsonArray{QJsonObject{{"displayName", category}, {"leaders", QJsonArray{entry}}}}}};
}

QJsonObject play(const QString& id, const QString& text, int away, int home) {
    return {{"id", id},
            {"text", text},
            {"awayScore", away},
            {"homeScore", home},
            {"period", QJsonObject{{"displayValue", "4th Quarter"}}}};
}

// A final opened from its notification after it left the current games (the league's next game is live):
// everything comes from its summary, the venue, the broadcast and the records included.
const GalleryStateRegistration finalFromSummary{
    "detail-final-from-summary", [] {
        GalleryAppState app;
        Game next;
        next.id = "g-nba-2";
        next.league = *League::withId("nba");
        next.status = GameStatus::inProgress;
        next.startTime = app.now().toUTC();
        app.show({"nba"}, {next});

        const Team away = galleryTeam("BOS", "Boston Harbors", "007A33");
        const Team home = galleryTeam("LAL", "Los Angeles Lights", "552583");
        QJsonObject competition{
            {"date", app.now().toUTC().addSecs(-9000).toString(Qt::ISODate)},
            {"status", status("post", "Final")},
            {"competitors",
             QJsonArray{competitor("home", home, "102", "34-26"), competitor("away", away, "100", "41-18")}},
            {"broadcasts", QJsonArray{QJsonObject{{"type", QJsonObject{{"shortName", "TV"}}},
                                                  {"media", QJsonObject{{"shortName", "Channel 9"}}}}}}};
        const QJsonArray plays{play("1", "Okafor makes driving layup", 100, 100),
                               play("2", "Harper misses 26-foot three point jumper", 100, 102)};
        const QJsonObject rest{
            {"gameInfo", QJsonObject{{"venue", QJsonObject{{"fullName", "Lights Arena"}}}}},
            {"leaders", QJsonArray{leader("lal", "Points", "Mara Okafor", "33 PTS"),
                                   leader("bos", "Points", "Jay Harper", "30 PTS")}},
            {"drives", QJsonObject{{"previous", QJsonArray{QJsonObject{{"plays", plays}}}}}}};
        return afterSummaries(app, "g-nba-1", "nba", {summaryOf("g-nba-1", competition, rest)});
    }};

// A tennis match at one set all: its summary, which carries no score and names the set in progress, leaves
// the match's sets and state as the scoreboard gave them.
const GalleryStateRegistration tennisKept{
    "detail-tennis-match-kept-after-summary", [] {
        GalleryAppState app;
        Game match;
        match.id = "g-atp-1";
        match.league = *League::withId("atp");
        match.homeTeam = galleryTeam("RUI", "Carlo Ruiz", "C8102E", "atp", false);
        match.homeTeam.shortName = "C. Ruiz";
        match.awayTeam = galleryTeam("BER", "Jan Berg", "1B4F8C", "atp", false);
        match.awayTeam.shortName = "J. Berg";
        match.status = GameStatus::inProgress;
        match.homeScore = 1;
        match.awayScore = 1;
        match.period = "3-6 6-4 1-2";
        match.clock = "0:00";
        match.venue = "Stadium Court";
        match.broadcast = "Harbor Open";
        match.startTime = app.now().toUTC().addSecs(-5400);
        app.show({"atp"}, {match});

        const QJsonObject athlete{{"homeAway", "home"},
                                  {"athlete", QJsonObject{{"displayName", "Carlo Ruiz"}}}};
        const QJsonObject other{{"homeAway", "away"}, {"athlete", QJsonObject{{"displayName", "Jan Berg"}}}};
        const QJsonObject competition{{"status", status("in", "3rd Set")},
                                      {"competitors", QJsonArray{athlete, other}}};
        return afterSummaries(app, match.id, "atp", {summaryOf(match.id, competition)});
    }};

// A race opened from its notification while its league is not followed, refreshed after the chequered flag:
// the new summary's "Final" replaces the lap the race was on when the window opened.
const GalleryStateRegistration raceFinished{
    "detail-race-finished-after-refresh", [] {
        GalleryAppState app;
        app.show({"nba"}, {});
        const auto driver = [](const QString& id, const QString& name, const QString& shortName) {
            return QJsonObject{{"id", id},
                               {"type", "athlete"},
                               {"athlete", QJsonObject{{"displayName", name}, {"shortName", shortName}}}};
        };
        const QJsonArray drivers{driver("5579", "Lando Norris", "L. Norris"),
                                 driver("4665", "Oscar Piastri", "O. Piastri")};
        const auto race = [&](const QString& state, const QString& shortDetail) {
            return summaryOf("g-f1-1", {{"status", status(state, shortDetail)}, {"competitors", drivers}});
        };
        return afterSummaries(app, "g-f1-1", "f1", {race("in", "Lap 31/58"), race("post", "Final")});
    }};

// The service answers another game's summary: the window keeps its own game and offers to try again rather
// than showing the other one.
const GalleryStateRegistration summaryOfAnotherGame{
    "detail-summary-of-another-game", [] {
        GalleryAppState app;
        Game game;
        game.id = "g-nba-1";
        game.league = *League::withId("nba");
        game.awayTeam = galleryTeam("BOS", "Boston Harbors", "007A33");
        game.homeTeam = galleryTeam("LAL", "Los Angeles Lights", "552583");
        game.status = GameStatus::inProgress;
        game.awayScore = 54;
        game.homeScore = 51;
        game.period = "2nd";
        game.clock = "3:12";
        game.startTime = app.now().toUTC().addSecs(-3600);
        app.show({"nba"}, {game});

        const Team away = galleryTeam("GSW", "Golden State Warriors", "1D428A");
        const Team home = galleryTeam("DEN", "Denver Nuggets", "0E2240");
        const QJsonObject competition{{"status", status("post", "Final")},
                                      {"competitors", QJsonArray{competitor("home", home, "112", "40-20"),
                                                                 competitor("away", away, "108", "38-22")}}};
        return afterSummaries(app, game.id, "nba", {summaryOf("g-nba-7", competition)});
    }};

} // namespace
