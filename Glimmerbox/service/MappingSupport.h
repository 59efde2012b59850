#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1StringView>
#include <QString>
#include <QUrl>

#include "ReplyFields.h"
#include "model/Game.h"

#include <optional>

// Reading helpers shared by the reply mappings, on top of platform/JsonRead.h. Each text is read held to
// its kind of field (ReplyFields.h).
namespace mapping {

// The top-level dictionary of a reply body; nothing when the body is not JSON or its top level is no object.
std::optional<QJsonObject> topLevelObject(const QByteArray& body);

// A JSON array all of whose elements are objects; one element of another kind makes the list count as
// missing.
std::optional<QJsonArray> objectList(const QJsonObject& object, QLatin1StringView key);

// The first element of a non-empty list of objects (as objectList reads it).
std::optional<QJsonObject> firstObject(const QJsonObject& object, QLatin1StringView key);

// The first element of a non-empty JSON array all of whose elements are strings.
std::optional<QString> firstText(const QJsonObject& object, QLatin1StringView key, TextBound bound);

// The object at the end of a chain of keys, each of which must hold an object.
std::optional<QJsonObject> objectAtPath(const QJsonObject& object,
                                        std::initializer_list<QLatin1StringView> keys);

// The text at the end of a chain of object keys, e.g. textAtPath(event, {"venue"}, "fullName").
std::optional<QString> textAtPath(const QJsonObject& object,
                                  std::initializer_list<QLatin1StringView> objectKeys, QLatin1StringView key,
                                  TextBound bound);

// Where a value may come from; the first source holding text wins.
struct TextSource {
    const QJsonObject& object;
    QLatin1StringView key;
};
std::optional<QString> firstTextAmong(std::initializer_list<TextSource> sources, TextBound bound);

// The start time: the first text among the sources, when it is a date. A later source is not tried when an
// earlier one holds text that is no date.
std::optional<QDateTime> startTimeAmong(std::initializer_list<TextSource> sources);

// What a competition's "status" object says: the status, its short detail and the display clock. Without a
// "type" the state counts as "pre": scheduled.
struct StatusTexts {
    GameStatus status = GameStatus::scheduled;
    std::optional<QString> shortDetail;
    std::optional<QString> displayClock;
};
StatusTexts readStatus(const QJsonObject& competition);

// The name of the first broadcast entry of a competition: its first "names" entry, as a scoreboard gives it,
// else its "media" → "shortName", as a summary does.
std::optional<QString> firstBroadcastName(const QJsonObject& competition);

// The full name of the "venue" of a competition, or of a summary's game information.
std::optional<QString> venueName(const QJsonObject& holder);

// The first competitor whose "homeAway" is "home", else the one at 0, and the first whose "homeAway" is
// "away", else the one at 1, when there are such; each competitor's mark is read once.
struct HomeAndAway {
    std::optional<QJsonObject> home;
    std::optional<QJsonObject> away;
};
HomeAndAway homeAndAway(const QJsonArray& competitors);

// An optional sign followed by one or more decimal digits, inside the signed 64-bit range; nothing else.
std::optional<qint64> integerText(QStringView text);

// A score given as integer text; any other value (missing, a number, an object, a fraction) counts as 0.
qint64 scoreText(const QJsonObject& competitor);

// A URL from text, when the text is a valid, non-empty URL.
std::optional<QUrl> urlFromText(const std::optional<QString>& text);

// A fresh random id in the canonical upper-case 8-4-4-4-12 form, for ids the service leaves out.
QString randomId();

// The id under `key`, else a fresh random id.
QString textOrRandomId(const QJsonObject& object, QLatin1StringView key);

} // namespace mapping
