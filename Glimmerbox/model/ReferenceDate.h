#pragma once

#include <QDateTime>

#include <optional>

// Stored and encoded instants are seconds (fractional) since 2001-01-01 00:00:00 UTC, as JSON numbers.
namespace referenceDate {

double secondsSinceReferenceDate(const QDateTime& instant);
// The instant in UTC, to the millisecond; nothing for a non-finite or absurdly large number.
std::optional<QDateTime> fromSecondsSinceReferenceDate(double seconds);

} // namespace referenceDate
