#pragma once

#include "notch/picker/PickerRowContent.h"

#include <QRectF>

class QPainter;

// Paints the picker's rows: the card (highlight while hovered) and the team or racing layout inside it.
// Shared by the picker row and the pinned row.
namespace pickerrow {

inline constexpr int cardPaddingX = 16; // inside the highlight
inline constexpr int cardPaddingY = 7;
inline constexpr int outerPaddingX = 6; // outside the highlight
inline constexpr int cornerRadius = 6;

// The height of the layout inside the card's padding.
double contentHeight(const PickerRowContent& content);
// The whole row: content plus the card's vertical padding.
int rowHeight(const PickerRowContent& content);

// The highlight behind a hovered card.
void paintCard(QPainter& painter, const QRectF& card, bool hovered);

// The layout inside `rect`, a loading logo as a spinner at `spinnerTurn`. Flags and logos come from the
// shared image loader; repaint on its finished(). Returns true while a logo is loading.
bool paintContent(QPainter& painter, const QRectF& rect, const Game& game, const PickerRowContent& content,
                  double spinnerTurn);

} // namespace pickerrow
