#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// What a reply is rendered against: the scenario time and the address the stand-in answers on.
struct RenderContext {
    double elapsedSeconds = 0;
    QDateTime anchor; // "@now" in scenario files
    QString baseURL;  // "@base" in scenario files, e.g. "http://127.0.0.1:41234"
};

// Applies one "$timeline" key frame (scores, clock, period, status, last play) to a competition.
QJsonObject applyFrame(QJsonObject competition, const QJsonObject& frame);

// Applies the event's "$timeline" key frames that are due at `elapsedSeconds` to its first competition:
// scores, clock, period and status move as scenario time passes. Events without a timeline are unchanged.
QJsonObject applyTimeline(QJsonObject event, double elapsedSeconds);

// Replaces "@now", "@now+90m", "@now-2d" (s, m, h, d) by ISO times and "@base" by the stand-in's address, and
// drops every key that starts with "$" (the stand-in's own directives).
QJsonValue render(const QJsonValue& value, const RenderContext& context);

// The moment of a rendered event "date" ("2026-03-14T19:00Z" or with seconds), or an invalid date.
QDateTime parseEventDate(const QString& text);
