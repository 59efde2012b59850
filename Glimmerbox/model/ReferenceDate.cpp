#include "ReferenceDate.h"

#include <cmath>

namespace referenceDate {

namespace {
// 2001-01-01T00:00:00Z in milliseconds since the Unix epoch.
constexpr qint64 referenceMSecsSinceEpoch = 978'307'200'000;
// Far beyond any real date, yet safely inside qint64 once converted to milliseconds.
constexpr double largestSeconds = 1e15;
} // namespace

double secondsSinceReferenceDate(const QDateTime& instant) {
    return static_cast<double>(instant.toMSecsSinceEpoch() - referenceMSecsSinceEpoch) / 1000.0;
}

std::optional<QDateTime> fromSecondsSinceReferenceDate(double seconds) {
    if (!std::isfinite(seconds) || std::fabs(seconds) > largestSeconds)
        return std::nullopt;
    const qint64 msecs = std::llround(seconds * 1000.0);
    return QDateTime::fromMSecsSinceEpoch(referenceMSecsSinceEpoch + msecs, Qt::UTC);
}

} // namespace referenceDate
