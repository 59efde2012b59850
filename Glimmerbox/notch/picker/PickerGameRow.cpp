#include "notch/picker/PickerGameRow.h"

#include "notch/picker/PickerRowPainter.h"

#include <QMouseEvent>

PickerGameRow::PickerGameRow(const Game& game, Select select, Clock& clock, ModifierInput modifiers,
                             QWidget* parent)
    : PickerCardRow(game, PickerRowContent::Form::picker, std::move(select), 0, clock, parent),
      m_modifiers(clock, std::move(modifiers)) {
    connect(&m_modifiers, &ModifierWatch::modifiersChanged, this, &PickerGameRow::modifiersChanged);
}

int PickerGameRow::heightFor(const Game& game) {
    return pickerrow::rowHeight(PickerRowContent::make(game, PickerRowContent::Form::picker));
}

void PickerGameRow::handleRowHover(bool hovering) {
    if (hovering)
        m_modifiers.start();
    else
        m_modifiers.stop();
    setRowHovered(hovering);
}

void PickerGameRow::enterEvent(QEnterEvent*) {
    handleRowHover(true);
}

void PickerGameRow::leaveEvent(QEvent*) {
    handleRowHover(false);
}

void PickerGameRow::mouseReleaseEvent(QMouseEvent* event) {
    // The card takes clicks, gaps between its blocks included; the margin outside the highlight does not.
    if (event->button() == Qt::LeftButton && cardRect().contains(event->position()))
        select();
}

void PickerGameRow::hideEvent(QHideEvent*) {
    // A row that goes away keeps its hover flag but never its key watch.
    m_modifiers.stop();
}

void PickerGameRow::modifiersChanged(Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ControlModifier) && isHovered())
        select();
}
