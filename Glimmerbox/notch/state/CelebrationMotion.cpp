#include "notch/state/CelebrationMotion.h"

#include "notch/panels/OverlayStyle.h"

using overlaystyle::clamp01;
using overlaystyle::fadeTolerance;

CelebrationMotion::CelebrationMotion() {
    for (Spring* fade : {&m_logoScale, &m_logoOpacity, &m_leavingLogoOpacity, &m_pointsScale,
                         &m_pointsOpacity, &m_playTextOpacity})
        fade->setTolerance(fadeTolerance);
}

std::array<Spring*, 8> CelebrationMotion::springs() {
    return {&m_logoScale,          &m_logoOpacity, &m_logoOffsetX,   &m_logoOffsetY,
            &m_leavingLogoOpacity, &m_pointsScale, &m_pointsOpacity, &m_playTextOpacity};
}

void CelebrationMotion::enter(CelebrationPhase phase, const CelebrationContent& c, SpringSpec spring,
                              double now) {
    if (phase == CelebrationPhase::flushDown) {
        // A new celebration starts from nothing on screen.
        m_leavingLogoOpacity.jump(0);
        m_pointsScale.jump(CelebrationContent::pointsEntryScale);
        m_pointsOpacity.jump(0);
        m_playTextOpacity.jump(0);
        bringLogoIn();
    } else if (phase == CelebrationPhase::logoReturn) {
        // The logo beside the points fades where it stands while a new one comes in as the first did.
        m_leavingLogoOffsetX = m_logoOffsetX.value(now);
        m_leavingLogoOpacity.jump(m_logoOpacity.value(now));
        bringLogoIn();
    }
    m_leavingLogoOpacity.retarget(0, now, spring);
    m_logoScale.retarget(c.logoScale, now, spring);
    m_logoOpacity.retarget(c.logoOpacity, now, spring);
    m_logoOffsetX.retarget(c.logoOffsetX, now, spring);
    m_logoOffsetY.retarget(c.logoOffsetY, now, spring);
    m_pointsScale.retarget(c.pointsScale, now, spring);
    m_pointsOpacity.retarget(c.pointsOpacity, now, spring);
    m_playTextOpacity.retarget(c.playTextOpacity, now, spring);
}

void CelebrationMotion::bringLogoIn() {
    m_logoScale.jump(CelebrationContent::logoEntryScale);
    m_logoOpacity.jump(0);
    m_logoOffsetX.jump(0);
    m_logoOffsetY.jump(0);
}

CelebrationFrame CelebrationMotion::frameAt(double now) const {
    CelebrationFrame frame;
    frame.logoScale = m_logoScale.value(now);
    frame.logoOpacity = clamp01(m_logoOpacity.value(now));
    frame.logoOffsetX = m_logoOffsetX.value(now);
    frame.logoOffsetY = m_logoOffsetY.value(now);
    frame.leavingLogoOpacity = clamp01(m_leavingLogoOpacity.value(now));
    frame.leavingLogoOffsetX = m_leavingLogoOffsetX;
    frame.pointsScale = m_pointsScale.value(now);
    frame.pointsOpacity = clamp01(m_pointsOpacity.value(now));
    frame.playTextOpacity = clamp01(m_playTextOpacity.value(now));
    return frame;
}
