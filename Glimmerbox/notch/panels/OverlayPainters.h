#pragma once

#include "notch/panels/CelebrationContent.h"
#include "notch/panels/CompactRowContent.h"
#include "notch/panels/ScoreCardContent.h"
#include "notch/state/CelebrationPhase.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The overlay's own parts, painted from their contents. Each returns whether a logo it painted is still
// loading, so the caller keeps its spinner ticking only then.
namespace overlay_paint {

// Text in `rect` with `flags`, shrunk down to `minimumScale` of its size and elided after that, never
// clipped.
void fittedText(QPainter& painter, const QRectF& rect, int flags, QFont font, const QString& text,
                double minimumScale);

// The compact bar's row, 34 high, `row` being the panel's full width.
bool compactRow(QPainter& painter, const QRectF& row, const CompactRowContent& content, bool hasPhysicalNotch,
                double spinnerTurn);

// The expanded score card; `cardHeight` says how tall it is for its content.
bool scoreCard(QPainter& painter, const QRectF& card, const ScoreCardContent& content, double spinnerTurn);
double scoreCardHeight(const ScoreCardContent& content);

// The celebration block, with the springs' current values in `frame` (targets in `content`).
bool celebration(QPainter& painter, const QRectF& block, const CelebrationContent& content,
                 const Team& scoringTeam, const CelebrationFrame& frame, double spinnerTurn);

// The UNPIN pill and its size.
QSizeF unpinPillSize();
void unpinPill(QPainter& painter, const QRectF& pill);
inline constexpr double pillRadius = 8;

} // namespace overlay_paint
