#include "notch/panels/OverlayPanelFrame.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr double panelBottomPadding = 10; // below the racing and deep panels
constexpr double stripHeight = 20;
constexpr double stripSpacing = 8;
constexpr double stripBottomPadding = 6;
} // namespace

OverlayPanelFrame OverlayPanelFrame::atRest(const OverlayInputs& inputs,
                                            const std::optional<ScoreEvent>& scoreEvent,
                                            const QDateTime& now) {
    OverlayPanelFrame frame;
    frame.presentation = presentOverlay(inputs);
    frame.hasPhysicalNotch = inputs.hasPhysicalNotch;
    frame.phase = inputs.celebrationPhase;
    frame.compactOpacity = inputs.isBarVisible ? 1 : 0;
    if (inputs.displayedGame) {
        frame.compact = CompactRowContent::make(*inputs.displayedGame, frame.presentation.showsExpanded);
        frame.card = ScoreCardContent::make(*inputs.displayedGame, scoreEvent, frame.phase, now);
    }
    if (scoreEvent) {
        frame.celebration = CelebrationContent::make(frame.phase, *scoreEvent);
        frame.celebrationFrame = frame.celebration.restingFrame();
        frame.scoringTeam = scoreEvent->scoringTeam;
    }
    frame.width = frame.presentation.width;
    frame.height = overlaySections(frame.presentation, frame.card, frame.width).height;
    return frame;
}

OverlaySections overlaySections(const OverlayPresentation& p, const ScoreCardContent& card, double w,
                                const OverlaySlotSize& slotSize) {
    const auto sizeOf = [&](OverlaySlot slot) { return slotSize ? slotSize(slot) : QSizeF(); };
    OverlaySections s;
    if (p.idlePanel) {
        s.idle = QRectF(0, 0, w, sizeOf(OverlaySlot::idlePanel).height());
        s.height = std::max(OverlayPresentation::compactHeight, s.idle.height());
        return s;
    }
    if (p.celebration || p.state == OverlayState::Empty) {
        s.height = p.fixedHeight.value_or(0);
        return s;
    }
    double y = OverlayPresentation::compactHeight;
    s.compact = QRectF(0, 0, w, y);
    if (p.scoreCard) {
        s.card = QRectF(0, y, w, overlay_paint::scoreCardHeight(card));
        y += s.card.height();
    }
    if (p.expandedSlot) {
        s.expandedSlot = QRectF(0, y, w, sizeOf(*p.expandedSlot).height());
        y += s.expandedSlot.height() + panelBottomPadding;
    }
    if (p.deepSlot) {
        s.deepSlot = QRectF(0, y, w, sizeOf(*p.deepSlot).height());
        y += s.deepSlot.height() + panelBottomPadding;
    }
    if (p.actionStrip) {
        s.strip = QRectF(0, y, w, stripHeight);
        // UNPIN, then the SELECT pill when one is hosted, centred together.
        const QSizeF unpin = overlay_paint::unpinPillSize();
        const QSizeF select = sizeOf(OverlaySlot::selectPill);
        const double selectWidth = select.width() > 0 ? select.width() + stripSpacing : 0;
        const double left = w / 2 - (unpin.width() + selectWidth) / 2;
        s.unpinPill = QRectF(left, y, unpin.width(), stripHeight);
        if (selectWidth > 0)
            s.selectPill = QRectF(s.unpinPill.right() + stripSpacing, y, select.width(), stripHeight);
        y += stripHeight + stripBottomPadding;
    }
    if (p.gamePicker) {
        s.divider = QRectF(12, y, w - 24, 0.5);
        y += 0.5;
        s.picker = QRectF(0, y, w, sizeOf(OverlaySlot::gamePicker).height());
        y += s.picker.height();
    }
    s.height = p.fixedHeight.value_or(y);
    return s;
}

bool paintOverlayPanel(QPainter& painter, const OverlayPanelFrame& f, const OverlaySections& s, double turn) {
    const double w = f.width;
    const QRectF rect(-w / 2, 0, w, std::max(0.0, f.height));
    const QPainterPath shape = notchBarPath(rect, f.presentation.bottomRadius);
    painter.save();
    const double base = painter.opacity();
    painter.fillPath(shape, Qt::black);
    painter.setClipPath(shape);
    bool loading = false;
    const OverlayPresentation& p = f.presentation;
    if (p.celebration) {
        loading =
            overlay_paint::celebration(painter, QRectF(-w / 2, 0, w, OverlayPresentation::celebrationHeight),
                                       f.celebration, f.scoringTeam, f.celebrationFrame, turn);
    } else if (p.compactRow) {
        painter.setOpacity(base * f.compactOpacity);
        loading = overlay_paint::compactRow(painter, s.compact.translated(-w / 2, 0), f.compact,
                                            f.hasPhysicalNotch, turn);
        // The card and the strip come in from under the bar as they fade in: nothing of them shows over it.
        painter.setOpacity(base * f.sectionOpacity);
        painter.setClipRect(
            QRectF(-w / 2, s.compact.bottom(), w, std::max(0.0, f.height - s.compact.bottom())),
            Qt::IntersectClip);
        const double drop = -(1 - f.sectionOpacity) * s.card.height();
        if (p.scoreCard)
            loading =
                overlay_paint::scoreCard(painter, s.card.translated(-w / 2, drop), f.card, turn) || loading;
        if (p.actionStrip)
            overlay_paint::unpinPill(painter, s.unpinPill.translated(-w / 2, drop));
        if (p.gamePicker)
            painter.fillRect(s.divider.translated(-w / 2, 0), QColor(255, 255, 255, 26));
    }
    painter.restore();
    return loading;
}
