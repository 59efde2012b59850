#include "notch/NotchOverlayView.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int barWidth = 200;
constexpr int barHeight = 32;
constexpr int barCornerRadius = 12;
} // namespace

NotchOverlayView::NotchOverlayView(bool hasPhysicalNotch, AppState& appState, QWidget* parent)
    : QWidget(parent), m_hasPhysicalNotch(hasPhysicalNotch), m_appState(appState) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

QString NotchOverlayView::barText() const {
    return QStringLiteral("Glimmerbox");
}

QRect NotchOverlayView::barRect() const {
    return QRect((width() - barWidth) / 2, 0, barWidth, barHeight);
}

QRegion NotchOverlayView::paintedRegion() const {
    return QRegion(barRect());
}

void NotchOverlayView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(barRect(), Qt::black);
    (void)barCornerRadius;
}

void NotchOverlayView::resizeEvent(QResizeEvent*) {
    updateMask();
}

void NotchOverlayView::showEvent(QShowEvent*) {
    updateMask();
}

void NotchOverlayView::updateMask() {}
