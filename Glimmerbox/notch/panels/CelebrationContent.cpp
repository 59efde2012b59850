#include "notch/panels/CelebrationContent.h"

#include "notch/panels/OverlayStyle.h"
#include "notch/panels/TeamColors.h"

#include "platform/text/DisplayText.h"
#include "platform/text/PixelFont.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

constexpr double playTextMaxWidth = 300;

double playTextHeight(const QString& text, double width) {
    const QFontMetricsF metrics(CelebrationContent::playTextFont());
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, width, 40), Qt::AlignHCenter | Qt::TextWordWrap, oneLineText(text));
    return std::min(bounds.height(), 2 * metrics.lineSpacing());
}

} // namespace

QFont CelebrationContent::pointsFont() {
    return pixelFont(44, QFont::Bold, FontDesign::rounded);
}

QFont CelebrationContent::playTextFont() {
    return pixelFont(10, QFont::DemiBold);
}

CelebrationContent CelebrationContent::make(CelebrationPhase phase, const ScoreEvent& event) {
    CelebrationContent content;
    content.pointsText = QStringLiteral("+%1").arg(event.points);
    content.playText = event.playText.value_or(QString());
    content.accent = adjustedForContrast(event.teamColor);
    content.pointsFirst = event.isHomeTeam;
    // The logo and the points side by side, centred together: the points first for a home score.
    const double pointsWidth = overlaystyle::textWidth(pointsFont(), content.pointsText);
    const double rowWidth = logoSize + pointsSpacing + pointsWidth;
    const double logoInRow = content.pointsFirst ? rowWidth / 2 - logoSize / 2 : logoSize / 2 - rowWidth / 2;
    const double pointsInRow =
        content.pointsFirst ? pointsWidth / 2 - rowWidth / 2 : rowWidth / 2 - pointsWidth / 2;
    content.pointsOffsetX = pointsInRow;
    if (showsLogo(phase)) {
        content.logoScale = 1;
        content.logoOpacity = 1;
        content.playTextOpacity = content.playText.isEmpty() ? 0 : 1;
    }
    if (phase == CelebrationPhase::logoAndPoints) {
        content.pointsScale = 1;
        content.pointsOpacity = 1;
        content.logoOffsetX = logoInRow;
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

CelebrationFrame CelebrationContent::restingFrame() const {
    CelebrationFrame frame;
    frame.logoScale = logoScale;
    frame.logoOpacity = logoOpacity;
    frame.logoOffsetX = logoOffsetX;
    frame.logoOffsetY = logoOffsetY;
    frame.pointsScale = pointsScale;
    frame.pointsOpacity = pointsOpacity;
    frame.playTextOpacity = playTextOpacity;
    return frame;
}

CelebrationLayout CelebrationLayout::make(const QRectF& block, const CelebrationContent& content,
                                          const CelebrationFrame& frame) {
    using C = CelebrationContent;
    CelebrationLayout layout;
    // The logo and the text under it are centred together, the text's place kept for the whole
    // celebration when there is a text: its coming and going moves nothing else.
    const bool hasText = !content.playText.isEmpty();
    const double textWidthMax = std::min(playTextMaxWidth, block.width() - 20);
    const double textHeight = hasText ? playTextHeight(content.playText, textWidthMax) : 0;
    const double stack = C::logoSize + (hasText ? C::textSpacing + textHeight : 0);
    const double logoY = block.center().y() - stack / 2 + C::logoSize / 2;
    const double centreX = block.center().x();

    layout.logoCentre = QPointF(centreX + frame.logoOffsetX, logoY + frame.logoOffsetY);
    layout.leavingLogoCentre = QPointF(centreX + frame.leavingLogoOffsetX, logoY);
    layout.pointsWidth = overlaystyle::textWidth(C::pointsFont(), content.pointsText);
    layout.pointsCentre = QPointF(centreX + content.pointsOffsetX, logoY);
    if (hasText && frame.playTextOpacity > 0.001) {
        // It rises into place as it fades in, and sinks as it fades out.
        const double top = logoY + C::logoSize / 2 + C::textSpacing + (1 - frame.playTextOpacity) * 8;
        layout.playText = QRectF(centreX - textWidthMax / 2, top, textWidthMax, textHeight);
    }
    return layout;
}
