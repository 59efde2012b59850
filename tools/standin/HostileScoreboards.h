#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// Scoreboards a hostile service could send, made from a scoreboard reply of the scenario's. Each keeps the
// reply's first event (its teams, names and logos) and replaces the event list; a reply without events is
// left as it is.

// `count` live games within a point or two, copies of the first event under ids of their own.
QJsonObject withCloseGames(QJsonObject scoreboard, int count);

// `count` events all under the first event's id, in turn live and close, live and far apart, and scheduled.
QJsonObject withRepeatedId(QJsonObject scoreboard, int count);

// The first event alone, scheduled, under `id` (another league's live game, say).
QJsonObject withSharedId(QJsonObject scoreboard, const QString& id);

// The id of the first live event of a scoreboard, if it has one.
std::optional<QString> firstLiveEventId(const QJsonObject& scoreboard);
