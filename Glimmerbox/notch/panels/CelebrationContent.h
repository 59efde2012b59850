#pragma once

#include "notch/state/CelebrationPhase.h"
#include "notch/state/ScoreEvent.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

// The celebration's animated values on one frame: the scoring team's logo (scale, offset from its place in
// the block, opacity), a logo leaving where it stood while a new one comes in, the points and the play's
// text.
struct CelebrationFrame {
    double logoScale = 0;
    double logoOpacity = 0;
    double logoOffsetX = 0;
    double logoOffsetY = 0;
    double leavingLogoOpacity = 0;
    double leavingLogoOffsetX = 0;
    double pointsScale = 0;
    double pointsOpacity = 0;
    double playTextOpacity = 0;
};

// What one step of the celebration shows, as the targets its springs move to: the scoring team's logo
// (scale, offset, opacity), the points beside it and the play's text below.
struct CelebrationContent {
    static constexpr double logoSize = 60;
    static constexpr double logoEntryScale = 0.2;
    static constexpr double pointsEntryScale = 0.3;
    static constexpr double flushUpOffset = -120;
    static constexpr double pointsSpacing = 10;
    static constexpr double textSpacing = 8;

    double logoScale = logoEntryScale;
    double logoOpacity = 0;
    double logoOffsetX = 0; // from the block's centre: the logo's place in the row with the points
    double logoOffsetY = 0;
    double pointsScale = pointsEntryScale;
    double pointsOpacity = 0;
    double pointsOffsetX = 0; // the points' centre from the block's centre, where they stand in that row
    bool pointsFirst = false; // points left of the logo for a home score
    double playTextOpacity = 0;

    QString pointsText; // "+3"
    QString playText;   // empty when there is none
    QColor accent;      // the team colour made readable on black

    static CelebrationContent make(CelebrationPhase phase, const ScoreEvent& event);
    // The steps that show the logo at rest, and the play's text under it when there is one.
    static bool showsLogo(CelebrationPhase phase);
    static QFont pointsFont();
    static QFont playTextFont();

    // The springs' targets as values.
    CelebrationFrame restingFrame() const;
};

// Where the celebration's parts stand in `block` on one frame.
struct CelebrationLayout {
    QPointF logoCentre;        // before the logo's scale
    QPointF leavingLogoCentre; // the logo that leaves while another comes in
    QPointF pointsCentre;
    double pointsWidth = 0;
    std::optional<QRectF> playText; // none while the text is not drawn

    static CelebrationLayout make(const QRectF& block, const CelebrationContent& content,
                                  const CelebrationFrame& frame);
};
