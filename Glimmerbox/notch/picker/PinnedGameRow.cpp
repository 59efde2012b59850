#include "notch/picker/PinnedGameRow.h"

#include "notch/panels/OverlayStyle.h"
#include "notch/picker/PickerRowPainter.h"

#include "app/AppState.h"
#include "platform/ColorMix.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr double buttonGap = 4;

} // namespace

PinnedGameRow::PinnedGameRow(const Game& game, Select select, AppState& appState, Clock& clock,
                             QWidget* parent)
    : PickerCardRow(game, PickerRowContent::Form::pinned, std::move(select), buttonSize + buttonGap, clock,
                    parent),
      m_appState(appState), m_driver(clock) {
    setMouseTracking(true);
    m_unpinBlend.setTolerance(0.005);
    m_driver.track(&m_unpinBlend);
    connect(&m_driver, &AnimationDriver::frame, this, qOverload<>(&QWidget::update));
}

void PinnedGameRow::setUnpinHovered(bool hovered, bool animated) {
    if (hovered == m_unpinHovered && animated)
        return;
    m_unpinHovered = hovered;
    if (animated)
        m_driver.animate(m_unpinBlend, hovered ? 1.0 : 0.0, unpinHoverSpring);
    else
        m_driver.jump(m_unpinBlend, hovered ? 1.0 : 0.0);
}

double PinnedGameRow::unpinHoverBlend() const {
    return std::clamp(m_unpinBlend.value(m_driver.now()), 0.0, 1.0);
}

QRectF PinnedGameRow::unpinButtonRect() const {
    const QRectF card = cardRect();
    return {card.right() - pickerrow::cardPaddingX - buttonSize, card.center().y() - buttonSize / 2.0,
            double(buttonSize), double(buttonSize)};
}

int PinnedGameRow::heightFor(const Game& game) {
    return std::max(pickerrow::rowHeight(PickerRowContent::make(game, PickerRowContent::Form::pinned)),
                    buttonSize + 2 * pickerrow::cardPaddingY);
}

QSize PinnedGameRow::sizeHint() const {
    return {380, heightFor(game())};
}

void PinnedGameRow::paintEvent(QPaintEvent*) {
    using namespace overlaystyle;
    using namespace overlay_colors;
    QPainter painter(this);
    paintRow(painter);
    const QRectF button = unpinButtonRect();
    const double t = unpinHoverBlend();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(mixedColor(white(0.06), withOpacity(yellow, 0.15), t));
    painter.drawRoundedRect(button, 5, 5);
    painter.restore();
    drawSymbol(painter, button, QStringLiteral("pin.slash.fill"), 9, mixedColor(white(0.3), yellow, t));
}

void PinnedGameRow::enterEvent(QEnterEvent* event) {
    setRowHovered(true);
    setUnpinHovered(unpinButtonRect().contains(event->position()));
}

void PinnedGameRow::leaveEvent(QEvent*) {
    setRowHovered(false);
    setUnpinHovered(false);
}

void PinnedGameRow::mouseMoveEvent(QMouseEvent* event) {
    setUnpinHovered(unpinButtonRect().contains(event->position()));
}

void PinnedGameRow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = event->position();
    if (unpinButtonRect().contains(at)) {
        m_appState.unpin(GameKey::of(game()));
        return;
    }
    // Only the game part takes the click: the card's padding around it and the button has none.
    const QRectF card = cardRect();
    const double left = card.left() + pickerrow::cardPaddingX;
    const double height = pickerrow::contentHeight(content());
    const QRectF gamePart(left, card.center().y() - height / 2, unpinButtonRect().left() - buttonGap - left,
                          height);
    if (gamePart.contains(at))
        select();
}
