#pragma once

#include "notch/CelebrationPhase.h"
#include "notch/ScoreEvent.h"

#include <QColor>
#include <QString>

// What one step of the celebration shows, as the targets its springs move to: the scoring team's logo
// (scale, vertical offset, opacity), the points beside it and the play's text below.
struct CelebrationContent {
    static constexpr double logoSize = 60;
    static constexpr double logoEntryScale = 0.2;
    static constexpr double pointsEntryScale = 0.3;
    static constexpr double flushUpOffset = -120;

    double logoScale = logoEntryScale;
    double logoOpacity = 0;
    double logoOffsetY = 0;
    double pointsScale = pointsEntryScale;
    double pointsOpacity = 0;
    bool pointsFirst = false; // points left of the logo for a home score
    double playTextOpacity = 0;

    QString pointsText; // "+3"
    QString playText;   // empty when there is none
    QColor accent;      // the team colour made readable on black

    static CelebrationContent make(CelebrationPhase phase, const ScoreEvent& event);
    // The steps that show the logo at rest, and the play's text under it when there is one.
    static bool showsLogo(CelebrationPhase phase);
};
