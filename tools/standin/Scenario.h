#pragma once

#include "Fault.h"
#include "ScenarioRender.h"

#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// One scenario file: the leagues the stand-in serves, keyed by their path below "/apis/site/v2/sports/"
// ("basketball/nba"), and the faults it injects. Replies are built from it on every request.
class Scenario {
public:
    // `nameOrPath` is a file, or the name of a built-in scenario ("default.json").
    static std::optional<Scenario> load(const QString& nameOrPath, QString* error);

    bool hasLeague(const QString& leaguePath) const { return m_leagues.contains(leaguePath); }

    // {"events": [...]}: every event not marked "$undated": false, or the events of one local day.
    QJsonObject scoreboard(const QString& leaguePath, std::optional<QDate> day,
                           const RenderContext& context) const;
    // The game's summary with its header built from the current state of the event; nothing for an unknown
    // id.
    std::optional<QJsonObject> summary(const QString& leaguePath, const QString& eventId,
                                       const RenderContext& context) const;
    // {"sports": [{"leagues": [{"teams": [{"team": ...}]}]}]}, at most `limit` teams. With `atLeast`, made-up
    // teams fill the list up to that many even in a league that lists none.
    QJsonObject teams(const QString& leaguePath, int limit, const RenderContext& context,
                      int atLeast = 0) const;

    QList<Fault>& faults() { return m_faults; }
    // Every league that has teams lists at least `count`: its own, then made-up ones, each with a logo of
    // its own, as a league of the real service lists dozens.
    void setTeamsPerLeague(int count) { m_teamsPerLeague = count; }

private:
    struct League {
        QJsonArray events;
        QJsonArray teams;
        QJsonObject summaries;
    };

    // The competition a summary's header describes: a team game, a tennis match or a race.
    std::optional<QJsonObject> findCompetition(const League& league, const QString& eventId,
                                               double elapsedSeconds) const;

    QHash<QString, League> m_leagues;
    QList<Fault> m_faults;
    int m_teamsPerLeague = 0;
};
