#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// Scoreboards a hostile service could send, made from a scoreboard reply of the scenario's. Each keeps the
// reply's first event (its teams, names and logos) and replaces the event list; a reply without events is
// left as it is.

// `count` live games within a point or two, copies of the first event under ids of their own; with
// `ownTeams` each copy's home team has an id and a name of its own.
QJsonObject withCloseGames(QJsonObject scoreboard, int count, bool ownTeams = false);

// `count` copies of the first event under ids of their own, each with a home team of its own: scheduled at
// 0-0, or, once `started`, just begun at 0-0.
QJsonObject withStartingGames(QJsonObject scoreboard, int count, bool started);

// Every event (and its competitions) under its id followed by "-r" and `reply`: the games renumbered.
QJsonObject withRenumberedIds(QJsonObject scoreboard, int reply);

// The first live event with the key frame `frame` applied to its first competition (an older or newer copy of
// the game than the scenario's).
QJsonObject withFirstLiveEventAs(QJsonObject scoreboard, const QJsonObject& frame);

// `count` events all under the first event's id, in turn live and close, live and far apart, and scheduled.
QJsonObject withRepeatedId(QJsonObject scoreboard, int count);

// The first event alone, scheduled, under `id` (another league's live game, say).
QJsonObject withSharedId(QJsonObject scoreboard, const QString& id);

// The id of the first live event of a scoreboard, if it has one.
std::optional<QString> firstLiveEventId(const QJsonObject& scoreboard);
