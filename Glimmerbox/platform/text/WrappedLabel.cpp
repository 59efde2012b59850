#include "platform/text/WrappedLabel.h"

#include "platform/text/DisplayText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

// A wrapped text asks at first for about as wide a room as a line of a book; it takes what its layout gives.
constexpr int preferredCharacters = 80;
// It never asks for less than a few characters' room, or its whole text when that is narrower.
constexpr int fewestCharacters = 10;

} // namespace

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent, int maxLines)
    : PlainTextLabel(text, parent), m_maxLines(std::max(1, maxLines)) {
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

double WrappedLabel::naturalWidth() const {
    return QFontMetricsF(font()).horizontalAdvance(oneLineText(text()));
}

const QStringList& WrappedLabel::linesAt(int textWidth) const {
    const int width = std::max(1, textWidth);
    if (m_wrapping.width != width || m_wrapping.font != font() || m_wrapping.text != text())
        m_wrapping = {text(), font(), width, wrappedLines(text(), font(), width, m_maxLines)};
    return m_wrapping.lines;
}

int WrappedLabel::heightForWidth(int width) const {
    const QMargins margins = textMargins();
    const auto lines = int(linesAt(width - margins.left() - margins.right()).size());
    return lines * fontMetrics().lineSpacing() + margins.top() + margins.bottom();
}

QSize WrappedLabel::sizeHint() const {
    const QMargins margins = textMargins();
    const int textWidth =
        std::min(int(std::ceil(naturalWidth())), preferredCharacters * fontMetrics().averageCharWidth());
    const int width = textWidth + margins.left() + margins.right();
    return {width, heightForWidth(width)};
}

QSize WrappedLabel::minimumSizeHint() const {
    const QMargins margins = textMargins();
    const int textWidth =
        std::min(int(std::ceil(naturalWidth())), fewestCharacters * fontMetrics().averageCharWidth());
    // At most one line tall: in a layout the height follows the width it is given.
    const int lineHeight = text().isEmpty() ? 0 : fontMetrics().lineSpacing();
    return {textWidth + margins.left() + margins.right(), lineHeight + margins.top() + margins.bottom()};
}

QStringList WrappedLabel::shownLines() const {
    return linesAt(textRoom().width());
}

void WrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = textRoom();
    const QStringList& lines = linesAt(room.width());
    const int lineHeight = fontMetrics().lineSpacing();
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    // The block of lines sits in the room as the alignment says; each line within it as well.
    const QRect block = QStyle::alignedRect(layoutDirection(), aligned,
                                            QSize(room.width(), int(lines.size()) * lineHeight), room);
    const int flags = int(aligned & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect line(block.left(), block.top() + int(i) * lineHeight, block.width(), lineHeight);
        style()->drawItemText(&painter, line, flags, palette(), isEnabled(), lines[i], foregroundRole());
    }
}
