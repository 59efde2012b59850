#pragma once

#include "popover/common/Tint.h"

#include <QLabel>

// A short text on a soft rounded background (the secondary colour at 0.15): the league chip, the count
// of a section's games and a finished race's "Final" tag.
class CapsuleLabel : public QLabel {
public:
    CapsuleLabel(const QString& text, int pixelSize, QMargins padding, Tint textTint,
                 QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
