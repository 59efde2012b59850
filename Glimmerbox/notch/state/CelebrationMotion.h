#pragma once

#include "notch/panels/CelebrationContent.h"
#include "notch/state/CelebrationPhase.h"

#include "platform/time/Spring.h"

#include <array>

// The celebration's springs. Each step of the timeline moves them to that step's targets with the spring
// the step comes with. The logo comes in small and transparent (at the start and again when it returns),
// glides to its place beside the points and leaves upwards from where it stands, so it never jumps.
class CelebrationMotion {
public:
    CelebrationMotion();

    // The timeline reached `phase`, whose targets are `content`, at `now` (seconds on the springs' clock).
    void enter(CelebrationPhase phase, const CelebrationContent& content, SpringSpec spring, double now);

    CelebrationFrame frameAt(double now) const;

    std::array<Spring*, 8> springs();

private:
    // The logo starts small, transparent and in the middle.
    void bringLogoIn();

    Spring m_logoScale;
    Spring m_logoOpacity;
    Spring m_logoOffsetX;
    Spring m_logoOffsetY;
    Spring m_leavingLogoOpacity;
    double m_leavingLogoOffsetX = 0;
    Spring m_pointsScale;
    Spring m_pointsOpacity;
    Spring m_playTextOpacity;
};
