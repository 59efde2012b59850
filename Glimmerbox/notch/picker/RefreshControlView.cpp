#include "notch/picker/RefreshControlView.h"

#include "notch/panels/OverlayStyle.h"

#include "platform/text/PixelFont.h"
#include "platform/time/Spinner.h"

#include <QMouseEvent>
#include <QPainter>

RefreshControlView::RefreshControlView(RefreshControlModel& model, Clock& clock, QWidget* parent)
    : QWidget(parent), m_model(model), m_clock(clock), m_driver(clock) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMouseTracking(true);
    m_fill.setTolerance(0.005);
    m_fill.jump(model.refreshHoverProgress());
    m_driver.track(&m_fill);
    connect(&m_driver, &AnimationDriver::frame, this, qOverload<>(&QWidget::update));
    connect(&model, &RefreshControlModel::refreshHoverProgressChanged, this,
            &RefreshControlView::progressChanged);
    connect(&model, &RefreshControlModel::isRefreshingChanged, this, [this] {
        m_spinner.setTurning(m_model.isRefreshing());
        update();
    });
    connect(&model, &RefreshControlModel::refreshCooldownChanged, this, qOverload<>(&QWidget::update));
}

QRectF RefreshControlView::controlRect() const {
    return {(width() - controlWidth) / 2.0, double(barPaddingY), double(controlWidth), double(controlHeight)};
}

double RefreshControlView::fillFraction() const {
    return std::clamp(m_fill.value(m_driver.now()), 0.0, 1.0);
}

void RefreshControlView::progressChanged(double progress, RefreshControlModel::ProgressMotion motion) {
    switch (motion) {
    case RefreshControlModel::ProgressMotion::none:
        m_driver.jump(m_fill, progress);
        break;
    case RefreshControlModel::ProgressMotion::tick:
        m_driver.animate(m_fill, progress, tickSpring);
        break;
    case RefreshControlModel::ProgressMotion::easeBack:
        m_driver.animate(m_fill, progress, easeBackSpring);
        break;
    }
}

void RefreshControlView::paintEvent(QPaintEvent*) {
    using namespace overlaystyle;
    using namespace overlay_colors;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF control = controlRect();
    const bool cooling = m_model.refreshCooldown();
    painter.setPen(Qt::NoPen);
    painter.setBrush(white(m_model.trackOpacity()));
    painter.drawRoundedRect(control, 4, 4);
    const double fill = fillFraction();
    if (fill > 0 && !cooling) {
        painter.setBrush(white(0.2));
        painter.drawRoundedRect(QRectF(control.topLeft(), QSizeF(fill * controlWidth, controlHeight)), 4, 4);
    }

    const QColor colour = white(m_model.labelOpacity());
    const QFont labelFont = pixelFont(9, QFont::DemiBold);
    const QString label = m_model.labelText();
    const double labelWidth = std::ceil(textWidth(labelFont, label));
    const double total = 10 + 4 + labelWidth;
    const double left = control.center().x() - total / 2;
    const QRectF icon(left, control.center().y() - 5, 10, 10);
    if (m_model.isRefreshing())
        paintSpinner(painter, icon.adjusted(2.5, 2.5, -2.5, -2.5), spinnerTurn(m_clock), colour);
    else
        drawSymbol(painter, icon, QStringLiteral("arrow.clockwise"), 9, colour);
    drawLine(painter, QRectF(left + 14, control.top(), labelWidth + 1, control.height()), label, labelFont,
             colour);
}

void RefreshControlView::setPointerOver(bool over) {
    if (over == m_pointerOver)
        return;
    m_pointerOver = over;
    m_model.handleRefreshHover(over);
}

void RefreshControlView::mouseMoveEvent(QMouseEvent* event) {
    setPointerOver(controlRect().contains(event->position()));
}

void RefreshControlView::leaveEvent(QEvent*) {
    setPointerOver(false);
}

void RefreshControlView::hideEvent(QHideEvent*) {
    setPointerOver(false);
}
