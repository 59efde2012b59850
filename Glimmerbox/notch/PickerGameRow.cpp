#include "PickerGameRow.h"

#include "PickerRowPainter.h"

#include "platform/ImageLoader.h"

#include <QMouseEvent>
#include <QPainter>

PickerGameRow::PickerGameRow(const Game& game, Select select, Clock& clock, ModifierWatch::Query modifiers,
                             QWidget* parent)
    : QWidget(parent), m_game(game), m_content(PickerRowContent::make(game, PickerRowContent::Form::picker)),
      m_select(std::move(select)), m_modifiers(clock, std::move(modifiers)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    connect(&m_modifiers, &ModifierWatch::modifiersChanged, this, &PickerGameRow::modifiersChanged);
    connect(&ImageLoader::shared(), &ImageLoader::finished, this, qOverload<>(&QWidget::update));
}

void PickerGameRow::setGame(const Game& game) {
    if (game == m_game)
        return;
    m_game = game;
    m_content = PickerRowContent::make(game, PickerRowContent::Form::picker);
    updateGeometry();
    update();
}

void PickerGameRow::handleRowHover(bool hovering) {
    m_isHovered = hovering;
    if (hovering)
        m_modifiers.start();
    else
        m_modifiers.stop();
    update();
}

QSize PickerGameRow::sizeHint() const {
    return {380, pickerrow::rowHeight(m_content)};
}

void PickerGameRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF card = QRectF(rect()).adjusted(pickerrow::outerPaddingX, 0, -pickerrow::outerPaddingX, 0);
    pickerrow::paintCard(painter, card, m_isHovered);
    pickerrow::paintContent(painter,
                            card.adjusted(pickerrow::cardPaddingX, pickerrow::cardPaddingY,
                                          -pickerrow::cardPaddingX, -pickerrow::cardPaddingY),
                            m_game, m_content);
}

void PickerGameRow::enterEvent(QEnterEvent*) {
    handleRowHover(true);
}

void PickerGameRow::leaveEvent(QEvent*) {
    handleRowHover(false);
}

void PickerGameRow::mouseReleaseEvent(QMouseEvent* event) {
    // The card takes clicks, gaps between its blocks included; the margin outside the highlight does not.
    const QRectF card = QRectF(rect()).adjusted(pickerrow::outerPaddingX, 0, -pickerrow::outerPaddingX, 0);
    if (event->button() == Qt::LeftButton && card.contains(event->position()))
        m_select(m_game);
}

void PickerGameRow::hideEvent(QHideEvent*) {
    // A row that goes away keeps its hover flag but never its key watch.
    m_modifiers.stop();
}

void PickerGameRow::modifiersChanged(Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ControlModifier) && m_isHovered)
        m_select(m_game);
}
