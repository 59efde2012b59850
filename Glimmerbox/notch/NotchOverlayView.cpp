#include "notch/NotchOverlayView.h"

#include "app/AppState.h"

#include <QFontMetrics>
#include <QPainter>

NotchOverlayView::NotchOverlayView(bool hasPhysicalNotch, AppState& appState, QWidget* parent)
    : QWidget(parent), m_hasPhysicalNotch(hasPhysicalNotch), m_appState(appState) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_shownText = barText();
    connect(&m_appState, &AppState::pinnedGamesChanged, this, &NotchOverlayView::pinnedGamesChanged);
}

QString NotchOverlayView::barText() const {
    const QList<Game>& pinned = m_appState.pinnedGames();
    return pinned.isEmpty() ? QString() : pinned.first().scoreLine();
}

QFont NotchOverlayView::barFont() const {
    QFont font = this->font();
    font.setPixelSize(textPixelSize);
    font.setBold(true);
    return font;
}

QRect NotchOverlayView::barRect() const {
    const QString text = barText();
    if (text.isEmpty())
        return {};
    const int textWidth = QFontMetrics(barFont()).horizontalAdvance(text);
    const int barWidth = std::min(width(), std::max(barMinimumWidth, textWidth + 2 * barHorizontalPadding));
    return QRect((width() - barWidth) / 2, 0, barWidth, barHeight);
}

QPainterPath NotchOverlayView::barPath() const {
    const QRectF bar = barRect();
    QPainterPath path;
    if (bar.isEmpty())
        return path;
    // Flat top edge flush with the screen, two rounded bottom corners.
    const qreal radius = barBottomRadius;
    path.moveTo(bar.topLeft());
    path.lineTo(bar.topRight());
    path.lineTo(bar.right(), bar.bottom() - radius);
    path.quadTo(bar.bottomRight(), QPointF(bar.right() - radius, bar.bottom()));
    path.lineTo(bar.left() + radius, bar.bottom());
    path.quadTo(bar.bottomLeft(), QPointF(bar.left(), bar.bottom() - radius));
    path.closeSubpath();
    return path;
}

QRegion NotchOverlayView::paintedRegion() const {
    const QPainterPath path = barPath();
    if (path.isEmpty())
        return {};
    return QRegion(path.toFillPolygon().toPolygon());
}

void NotchOverlayView::paintEvent(QPaintEvent*) {
    const QPainterPath path = barPath();
    if (path.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Qt::black);
    painter.setPen(Qt::white);
    painter.setFont(barFont());
    painter.drawText(barRect(), Qt::AlignCenter, barText());
}

void NotchOverlayView::resizeEvent(QResizeEvent*) {
    updateMask();
}

void NotchOverlayView::showEvent(QShowEvent*) {
    updateMask();
}

void NotchOverlayView::pinnedGamesChanged() {
    // The pinned games are republished on every refresh, mostly unchanged: repaint only for a new text.
    const QString text = barText();
    if (text == m_shownText)
        return;
    m_shownText = text;
    updateMask();
    update();
}

void NotchOverlayView::updateMask() {
    QRegion region = paintedRegion();
    if (region.isEmpty()) {
        // An empty mask means "no mask" (the whole window would show, black without a compositor), so with
        // nothing to paint the window keeps a single pixel at the top centre.
        region = QRegion(width() / 2, 0, 1, 1);
    }
    QWidget* host = window();
    host->setMask(host == this ? region : region.translated(mapTo(host, QPoint(0, 0))));
}
