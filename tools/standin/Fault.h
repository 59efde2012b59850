#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QSize>
#include <QString>

#include <limits>
#include <optional>

// A fault the stand-in injects into matching requests, read from a scenario's "faults" list.
struct Fault {
    QString path;    // exact request path, or a prefix when it ends in "*"
    QString query;   // substring the raw query must contain; empty matches any query
    double from = 0; // scenario seconds during which the fault applies: [from, to)
    double to = std::numeric_limits<double>::infinity();
    int times = -1;          // how many requests it hits; -1 for all
    double afterSeconds = 0; // real seconds since the stand-in started before it applies

    int status = 0;                 // reply with this HTTP status (0: the normal status)
    std::optional<QByteArray> body; // reply with this body instead of the normal one
    bool html = false;              // reply with an HTML error page
    bool malformed = false;         // cut the normal JSON body in half
    bool drop = false;              // close the connection without a reply
    double stallSeconds = 0;        // wait this long (real seconds) before replying
    double trickleSeconds = 0;      // send the headers, then the body one byte every this many real seconds
    // Send the headers without a length, then filler as fast as it is taken, this long (real seconds).
    double streamSeconds = 0;
    bool hugePicture = false; // reply with a small PNG that decodes to 4096 x 4096 at 16 bits per channel
    // Reply with a 35-byte GIF whose one pixel sits on a logical screen of this size.
    std::optional<QSize> gifScreen;
    // In a JSON reply, every name ("displayName", "shortDisplayName") becomes its first letter followed by
    // this many combining marks.
    int markedNames = 0;
    // Reply with a 1 x 1 PNG carrying this many compressed text chunks of 7.9 MB each once inflated, before
    // its picture data, or after it when `textAfter` is set.
    int textChunks = 0;
    bool textAfter = false;
    // Reply with a progressive JPEG of `jpegSide` x `jpegSide` whose last scan is repeated until it has this
    // many scans.
    int jpegScans = 0;
    int jpegSide = 1600;
    // In a scoreboard reply, the events become this many live close games, copies of its first event under
    // ids of their own.
    int closeGames = 0;
    // With closeGames or startingGames: each copy's home team has an id and a name of its own.
    bool ownTeams = false;
    // In a scoreboard reply, the events become this many copies of its first event, each with a home team of
    // its own, scheduled at 0-0 until scenario second `startsAt` and just begun at 0-0 from then on.
    int startingGames = 0;
    double startsAt = 30;
    // In a scoreboard reply, every event's id followed by "-r" and the number of the reply: new ids every
    // time.
    bool renumberIds = false;
    // Every other reply of the same path and query shows the first live event with this key frame applied (a
    // cache out of step serving an older or newer copy of the game).
    QJsonObject flapTo;
    // In a scoreboard reply, the events become this many under its first event's id, in turn live and close,
    // live and far apart, and scheduled.
    int repeatedId = 0;
    // In a scoreboard reply, its first event alone and scheduled, under the id of this league's first live
    // game ("basketball/nba").
    QString sharedIdFrom;
    // A team list holds this many teams, made-up ones after the league's own, whatever limit it was asked
    // for (other paths are left as they are).
    int manyTeams = 0;
    // Reply with a flat PNG of `pngSide` x `pngSide` storing its pixels this way ("rgba8", "grey16" or
    // "rgba16"), interlaced when `interlaced` is set.
    QString pngPixels;
    bool interlaced = false;
    int pngSide = 2048;
    // Reply with a gzip stream ("Content-Encoding: gzip") of 4.5 KB a mebibyte that inflates to this many
    // mebibytes of zero bytes.
    int gzipBomb = 0;
    // Add a header line of this many bytes to the reply.
    qint64 longHeader = 0;
    // Send the status line and a header line that never ends, until the client hangs up: so many bytes a
    // second, or as fast as they are taken when 0 (JSON true).
    std::optional<double> endlessHeader;
    // Add this many "Set-Cookie" lines to the reply, each setting a cookie of its own.
    int cookies = 0;
    // Reply with a scoreboard of this many tiny live games (about 290 bytes each).
    int manyGames = 0;

    static Fault fromJson(const QJsonObject& object);
    bool matches(const QString& path, const QString& rawQuery, double elapsedSeconds,
                 double realSeconds = std::numeric_limits<double>::infinity()) const;
};

// The first fault that matches the request, used up by one hit; nothing when none matches.
std::optional<Fault> takeFault(QList<Fault>& faults, const QString& path, const QString& rawQuery,
                               double elapsedSeconds,
                               double realSeconds = std::numeric_limits<double>::infinity());
