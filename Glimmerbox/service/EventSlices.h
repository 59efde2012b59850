#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// A scoreboard reply cut into its events and the rest: `rest` is the reply with the content of its
// "events" array taken out (the array left empty), `events` the text of each element, in order.
struct EventSlices {
    QByteArray rest;
    QList<QByteArrayView> events;
};

// The slices of `body` when it has the plain shape the service sends: one top-level object whose keys are
// written without escapes, one "events" key among them holding an array, and no nesting deeper than
// eventSliceDepthLimit. The scan only finds where things are: `rest` and each event still have to parse.
// Nothing for any other text, which the caller then parses whole.
std::optional<EventSlices> sliceEvents(const QByteArray& body);
// The events are views into the body, which must outlive them.
std::optional<EventSlices> sliceEvents(QByteArray&& body) = delete;

// Far below the JSON parser's own nesting limit, so that an event that parses alone also parses inside
// the reply.
inline constexpr int eventSliceDepthLimit = 256;
