#pragma once

#include "model/Game.h"

#include <QDateTime>
#include <QString>

#include <optional>

// The service's time stamps, in UTC: "2026-03-14T18:30:00.000Z", "2026-03-14T18:30:00Z",
// "2026-03-14T18:30Z" (a zone designator without seconds) and "2026-03-14T18:30:00" (no zone: read as UTC).
// Nothing for any other text.
std::optional<QDateTime> parseDate(QStringView text);

// The status type's state ("pre", "in", "post", any case) and name to a GameStatus.
GameStatus mapGameStatus(QStringView state, std::optional<QStringView> detail);
