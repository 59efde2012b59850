#include "notch/CelebrationContent.h"

#include "notch/TeamColors.h"

CelebrationContent CelebrationContent::make(CelebrationPhase phase, const ScoreEvent& event) {
    CelebrationContent content;
    content.pointsText = QStringLiteral("+%1").arg(event.points);
    content.playText = event.playText.value_or(QString());
    content.accent = adjustedForContrast(event.teamColor);
    content.pointsFirst = event.isHomeTeam;
    if (showsLogo(phase)) {
        content.logoScale = 1;
        content.logoOpacity = 1;
        content.playTextOpacity = content.playText.isEmpty() ? 0 : 1;
    }
    if (phase == CelebrationPhase::logoAndPoints) {
        content.pointsScale = 1;
        content.pointsOpacity = 1;
    }
    if (phase == CelebrationPhase::flushUp) {
        // The logo leaves upwards, fading, at full size.
        content.logoScale = 1;
        content.logoOffsetY = flushUpOffset;
    }
    return content;
}

bool CelebrationContent::showsLogo(CelebrationPhase phase) {
    return phase == CelebrationPhase::logoOnly || phase == CelebrationPhase::logoAndPoints ||
           phase == CelebrationPhase::logoReturn;
}
