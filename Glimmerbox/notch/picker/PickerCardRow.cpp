#include "notch/picker/PickerCardRow.h"

#include "notch/picker/PickerRowPainter.h"

#include "platform/network/ImageLoader.h"
#include "platform/time/Spinner.h"

#include <QPainter>

PickerCardRow::PickerCardRow(const Game& game, PickerRowContent::Form form, Select select,
                             double trailingSpace, Clock& clock, QWidget* parent)
    : QWidget(parent), m_game(game), m_content(PickerRowContent::make(game, form)),
      m_select(std::move(select)), m_trailingSpace(trailingSpace), m_clock(clock) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&ImageLoader::shared(), &ImageLoader::finished, this, qOverload<>(&QWidget::update));
}

void PickerCardRow::setGame(const Game& game) {
    if (game == m_game)
        return;
    m_game = game;
    m_content = PickerRowContent::make(game, m_content.form);
    updateGeometry();
    update();
}

void PickerCardRow::setRowHovered(bool hovered) {
    m_isHovered = hovered;
    update();
}

QSize PickerCardRow::sizeHint() const {
    return {380, pickerrow::rowHeight(m_content)};
}

QRectF PickerCardRow::cardRect() const {
    return QRectF(rect()).adjusted(pickerrow::outerPaddingX, 0, -pickerrow::outerPaddingX, 0);
}

void PickerCardRow::paintRow(QPainter& painter) {
    const QRectF card = cardRect();
    pickerrow::paintCard(painter, card, m_isHovered);
    const bool loading = pickerrow::paintContent(
        painter,
        card.adjusted(pickerrow::cardPaddingX, pickerrow::cardPaddingY,
                      -pickerrow::cardPaddingX - m_trailingSpace, -pickerrow::cardPaddingY),
        m_game, m_content, spinnerTurn(m_clock));
    m_spinner.setTurning(loading);
}

void PickerCardRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintRow(painter);
}
