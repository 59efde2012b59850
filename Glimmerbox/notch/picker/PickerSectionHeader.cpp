#include "notch/picker/PickerSectionHeader.h"

#include "notch/panels/OverlayStyle.h"

#include "platform/text/PixelFont.h"

#include <QPainter>

namespace {

using namespace overlaystyle;
using namespace overlay_colors;
using Kind = PickerSection::Kind;

constexpr int paddingX = 16;

// The count badge, right-aligned at `right`, vertically centred on `centreY`; returns its left edge.
double paintBadge(QPainter& painter, double right, double centreY, int count, const QColor& text,
                  const QColor& background) {
    const QFont badgeFont = pixelFont(9, QFont::Medium);
    const QString label = QString::number(count);
    const double width = std::ceil(textWidth(badgeFont, label)) + 8;
    const QRectF badge(right - width, centreY - 6.5, width, 13);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(badge, 3, 3);
    painter.restore();
    drawLine(painter, badge, label, badgeFont, text, Qt::AlignHCenter);
    return badge.left();
}

} // namespace

PickerSectionHeader::PickerSectionHeader(const PickerSection& section, QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setSection(section);
}

void PickerSectionHeader::setSection(const PickerSection& section) {
    m_kind = section.kind;
    m_league = section.league;
    m_badgeCount = section.badgeCount;
    m_showsLiveDot = section.showsLiveDot;
    updateGeometry();
    update();
}

QString PickerSectionHeader::title() const {
    switch (m_kind) {
    case Kind::pinned:
        return QStringLiteral("Pinned");
    case Kind::liveNow:
        return QStringLiteral("Live Now");
    case Kind::league:
        break;
    }
    return m_league ? m_league->abbreviation : QString();
}

int PickerSectionHeader::heightFor(PickerSection::Kind kind) {
    return headerHeight + (kind == Kind::pinned ? hintHeight : 0);
}

QSize PickerSectionHeader::sizeHint() const {
    return {380, heightFor(m_kind)};
}

void PickerSectionHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double centreY = headerHeight / 2.0;
    const double right = width() - paddingX;
    double x = paddingX;
    // Pinned and Live Now are drawn in their accent colour; a league's header in greys.
    std::optional<QColor> accent;
    switch (m_kind) {
    case Kind::pinned:
        drawSymbol(painter, QRectF(x, centreY - 6, 12, 12), QStringLiteral("pin.fill"), 9, yellow);
        x += 12 + 6;
        accent = yellow;
        break;
    case Kind::liveNow:
        drawDot(painter, QPointF(x + 3, centreY), 6, red);
        x += 6 + 6;
        accent = red;
        break;
    case Kind::league:
        if (m_league)
            drawSymbol(painter, QRectF(x, centreY - 7, 14, 14), sfSymbolName(m_league->sport), 10,
                       white(0.4));
        x += 14 + 6;
        break;
    }
    drawLine(painter, QRectF(x, 0, right - x, headerHeight), title(),
             pixelFont(10, accent ? QFont::Bold : QFont::DemiBold), accent.value_or(white(0.6)));
    const QColor badgeText = accent ? withOpacity(*accent, 0.6) : white(0.35);
    const QColor badgeBackground = accent ? withOpacity(*accent, 0.12) : white(0.08);
    const double badgeLeft = paintBadge(painter, right, centreY, m_badgeCount, badgeText, badgeBackground);
    if (m_kind == Kind::league && m_showsLiveDot)
        drawDot(painter, QPointF(badgeLeft - 6 - 2.5, centreY), 5, red);

    if (m_kind == Kind::pinned) {
        // The desktop's Command key is Ctrl, named in words.
        drawLine(painter, QRectF(paddingX, headerHeight - 2, right - paddingX, hintHeight - 6),
                 QStringLiteral("Double Tap or Ctrl to pin a game"), pixelFont(9, QFont::Medium),
                 white(0.25));
    }
}

void PickerSeparator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRectF(12, 4, width() - 24, 0.5), overlay_colors::white(0.06));
}
