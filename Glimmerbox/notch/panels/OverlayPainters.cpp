#include "notch/panels/OverlayPainters.h"

#include "notch/panels/LeagueArtwork.h"
#include "notch/panels/OverlayColors.h"
#include "notch/panels/OverlayStyle.h"
#include "notch/panels/TeamLogo.h"
#include "platform/text/DisplayText.h"
#include "platform/text/PixelFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace overlay_paint {

namespace {

constexpr double markerSize = 6;

// "arrowtriangle.down.fill" turned a quarter: pointing right (towards the away logo) or left.
void advantageMarker(QPainter& painter, const QPointF& centre, bool pointsRight) {
    const double h = markerSize / 2;
    QPainterPath triangle;
    if (pointsRight) {
        triangle.moveTo(centre + QPointF(-h * 0.8, -h));
        triangle.lineTo(centre + QPointF(h * 0.8, 0));
        triangle.lineTo(centre + QPointF(-h * 0.8, h));
    } else {
        triangle.moveTo(centre + QPointF(h * 0.8, -h));
        triangle.lineTo(centre + QPointF(-h * 0.8, 0));
        triangle.lineTo(centre + QPointF(h * 0.8, h));
    }
    triangle.closeSubpath();
    painter.fillPath(triangle, overlay_colors::green);
}

using overlaystyle::textWidth;
using overlaystyle::widthWithin;

// One side of the compact bar laid out from `edge` towards the centre (away: left to right) or from the
// centre outwards; `alignRight` places the group's right edge at `anchor`, else its left edge. The group
// keeps within `room`: a text too long for what the logo and marker leave is shortened.
bool compactSide(QPainter& painter, const CompactSide& side, bool away, double anchor, bool alignRight,
                 double centreY, double room, double turn) {
    const QFont valueFont =
        side.textIsScore ? pixelFont(CompactRowContent::textScorePixelSize, QFont::Bold, FontDesign::rounded)
                         : pixelFont(CompactRowContent::textAbbreviationPixelSize, QFont::DemiBold);
    const QColor valueColor = side.textIsScore ? QColor(Qt::white) : overlay_colors::white(0.55);
    const double spacing = 4;
    const double markerWidth = side.advantageMarker ? markerSize + spacing : 0;
    const double valueWidth = widthWithin(valueFont, side.text, room - markerWidth - side.logoSize - spacing);
    const double total = markerWidth + side.logoSize + spacing + valueWidth;
    double x = alignRight ? anchor - total : anchor;
    bool loading = false;
    const auto logo = [&] {
        loading = paintTeamLogo(painter, QRectF(x, centreY - side.logoSize / 2, side.logoSize, side.logoSize),
                                side.team, turn);
        x += side.logoSize + spacing;
    };
    const auto value = [&] {
        overlaystyle::drawLine(painter, QRectF(x, centreY - 10, valueWidth, 20), side.text, valueFont,
                               valueColor);
        x += valueWidth + spacing;
    };
    const auto marker = [&] {
        if (!side.advantageMarker)
            return;
        advantageMarker(painter, QPointF(x + markerSize / 2, centreY), away);
        x += markerSize + spacing;
    };
    if (away) {
        marker();
        logo();
        value();
    } else {
        value();
        logo();
        marker();
    }
    return loading;
}

void racingStatus(QPainter& painter, const CompactRacingStatus& status, double anchor, bool alignRight,
                  double centreY, double maxWidth) {
    using Kind = CompactRacingStatus::Kind;
    const double spacing = 4;
    switch (status.kind) {
    case Kind::nothing:
        return;
    case Kind::live: {
        const QFont periodFont = pixelFont(11, QFont::Bold, FontDesign::monospaced);
        const double periodWidth = widthWithin(periodFont, status.text, maxWidth - 5 - spacing);
        const double total = 5 + (status.text.isEmpty() ? 0 : spacing + periodWidth);
        const double x = alignRight ? anchor - total : anchor;
        painter.setPen(Qt::NoPen);
        painter.setBrush(overlay_colors::red);
        painter.drawEllipse(QRectF(x, centreY - 2.5, 5, 5));
        overlaystyle::drawLine(painter, QRectF(x + 5 + spacing, centreY - 10, periodWidth, 20), status.text,
                               periodFont, Qt::white);
        return;
    }
    case Kind::place: {
        const QFont placeFont = pixelFont(11, QFont::DemiBold);
        const double width = std::min(maxWidth, textWidth(placeFont, status.text) + 1);
        painter.setPen(overlay_colors::white(0.55));
        fittedText(painter, QRectF(alignRight ? anchor - width : anchor, centreY - 10, width, 20),
                   Qt::AlignVCenter | (alignRight ? Qt::AlignRight : Qt::AlignLeft), placeFont, status.text,
                   0.7);
        return;
    }
    case Kind::leader: {
        const QFont nameFont = pixelFont(11, QFont::DemiBold);
        const double nameWidth = std::min(maxWidth - 12, textWidth(nameFont, status.text) + 1);
        const double total = 8 + spacing + nameWidth;
        const double x = alignRight ? anchor - total : anchor;
        QPainterPath triangle; // "arrowtriangle.right.fill" in gold
        triangle.moveTo(x, centreY - 4);
        triangle.lineTo(x + 7, centreY);
        triangle.lineTo(x, centreY + 4);
        triangle.closeSubpath();
        painter.fillPath(triangle, overlay_colors::gold);
        painter.setPen(Qt::white);
        fittedText(painter, QRectF(x + 8 + spacing, centreY - 10, nameWidth, 20),
                   Qt::AlignLeft | Qt::AlignVCenter, nameFont, status.text, 0.7);
        return;
    }
    }
}

} // namespace

void fittedText(QPainter& painter, const QRectF& rect, int flags, QFont textFont, const QString& text,
                double minimumScale) {
    const int full = textFont.pixelSize();
    const int smallest = std::max(1, qRound(full * minimumScale));
    while (textFont.pixelSize() > smallest && textWidth(textFont, text) > rect.width())
        textFont.setPixelSize(textFont.pixelSize() - 1);
    painter.setFont(textFont);
    const QString shown = overlaystyle::elidedToFit(textFont, text, rect.width());
    painter.drawText(rect, flags | Qt::TextSingleLine, shown);
}

bool compactRow(QPainter& painter, const QRectF& row, const CompactRowContent& content, bool hasPhysicalNotch,
                double turn) {
    // With a notch both sides hug the 180 wide housing 8 away from it; without, the bar's outer edges at 14.
    const double centreY = row.center().y();
    const double leftAnchor = hasPhysicalNotch ? row.center().x() - 90 - 8 : row.left() + 14;
    const double rightAnchor = hasPhysicalNotch ? row.center().x() + 90 + 8 : row.right() - 14;
    // Each side's room: up to the housing, or up to half the 40 wide spacer between the sides.
    const double sideRoom = row.width() / 2 - (hasPhysicalNotch ? 98 : 34);
    if (content.racing) {
        // The racing series' own artwork, fitted into 36 x 20.
        const QRectF art(hasPhysicalNotch ? leftAnchor - 36 : leftAnchor, centreY - 10, 36, 20);
        paintLeagueArtwork(painter, art, QStringLiteral("F1Logo"));
        racingStatus(painter, content.racingStatus, rightAnchor, !hasPhysicalNotch, centreY, sideRoom);
        return false;
    }
    const bool awayLoading =
        compactSide(painter, content.away, true, leftAnchor, hasPhysicalNotch, centreY, sideRoom, turn);
    const bool homeLoading =
        compactSide(painter, content.home, false, rightAnchor, !hasPhysicalNotch, centreY, sideRoom, turn);
    return awayLoading || homeLoading;
}

namespace {
constexpr double cardPadding = 8;
constexpr double columnsHeight = 50;
constexpr double lastScoreHeight = 15;
constexpr double cardSpacing = 6;
constexpr double lastScoreBottom = 4;
constexpr double centreWidth = 90;

bool cardColumn(QPainter& painter, const QRectF& column, const ScoreCardSide& side, bool away, double turn) {
    const QFont scoreFont = pixelFont(28, QFont::Bold, FontDesign::rounded);
    const QFont abbreviationFont = pixelFont(11, QFont::Medium);
    const double spacing = 10;
    const double markerW = side.advantageMarker ? markerSize + spacing : 0;
    // The texts take what the marker and the logo leave of the column, and no more.
    const double textRoom = std::max(1.0, column.width() - markerW - 36 - spacing);
    const double textW =
        std::min(textRoom, std::ceil(std::max(textWidth(scoreFont, side.score),
                                              textWidth(abbreviationFont, side.team.abbreviation))));
    const double total = markerW + 36 + spacing + textW;
    double x = column.center().x() - total / 2;
    const double cy = column.center().y();
    bool loading = false;
    const auto marker = [&] {
        if (!side.advantageMarker)
            return;
        advantageMarker(painter, QPointF(x + markerSize / 2, cy), away);
        x += markerSize + spacing;
    };
    const auto logo = [&] {
        loading = paintTeamLogo(painter, QRectF(x, cy - 18, 36, 36), side.team, turn);
        x += 36 + spacing;
    };
    const auto texts = [&] {
        const Qt::Alignment align = away ? Qt::AlignLeft : Qt::AlignRight;
        painter.setPen(side.dimmed ? overlay_colors::white(0.4) : QColor(Qt::white));
        fittedText(painter, QRectF(x, cy - 24, textW, 32), align | Qt::AlignVCenter, scoreFont, side.score,
                   0.6);
        overlaystyle::drawLine(painter, QRectF(x, cy + 9, textW, 14), side.team.abbreviation,
                               abbreviationFont, overlay_colors::white(0.5), align);
        x += textW + spacing;
    };
    if (away) {
        marker();
        logo();
        texts();
    } else {
        texts();
        logo();
        marker();
    }
    return loading;
}

void centreColumn(QPainter& painter, const QRectF& column, const QList<ScoreCardCentreLine>& lines) {
    using Style = ScoreCardCentreLine::Style;
    struct Look {
        QFont font;
        QColor color;
        double height;
    };
    const auto lookOf = [](const ScoreCardCentreLine& line) -> Look {
        switch (line.style) {
        case Style::badge:
            return {pixelFont(9, overlaystyle::heavy), line.color, 12};
        case Style::period:
            return {pixelFont(11, QFont::Medium), overlay_colors::white(0.5), 14};
        case Style::clock:
            return {pixelFont(13, QFont::DemiBold, FontDesign::monospaced), Qt::white, 16};
        case Style::scheduled:
            return {pixelFont(12, QFont::Bold), overlay_colors::white(0.55), 15};
        case Style::startTime:
            return {pixelFont(10, QFont::Medium), overlay_colors::white(0.35), 26};
        case Style::status:
            return {pixelFont(13, QFont::Bold), overlay_colors::white(0.55), 16};
        }
        return {};
    };
    double total = 0;
    for (const ScoreCardCentreLine& line : lines)
        total += lookOf(line).height + 3;
    double y = column.center().y() - (total - 3) / 2;
    for (const ScoreCardCentreLine& line : lines) {
        const Look look = lookOf(line);
        const QRectF rect(column.left(), y, column.width(), look.height);
        painter.setPen(look.color);
        if (line.style == Style::badge) {
            const double w = textWidth(look.font, line.text);
            const double x = column.center().x() - (6 + 4 + w) / 2;
            painter.setPen(Qt::NoPen);
            painter.setBrush(line.color);
            painter.drawEllipse(QRectF(x, rect.center().y() - 3, 6, 6));
            painter.setPen(line.color);
            fittedText(painter, QRectF(x + 10, y, column.right() - x - 10, look.height),
                       Qt::AlignLeft | Qt::AlignVCenter, look.font, line.text, 0.7);
        } else if (line.style == Style::startTime) {
            painter.setFont(look.font);
            painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, line.text);
        } else {
            fittedText(painter, rect, Qt::AlignCenter, look.font, line.text, 0.7);
        }
        y += look.height + 3;
    }
}
} // namespace

double scoreCardHeight(const ScoreCardContent& content) {
    return cardPadding + columnsHeight +
           (content.lastScoreText ? cardSpacing + lastScoreHeight + lastScoreBottom : 0) + cardPadding;
}

bool scoreCard(QPainter& painter, const QRectF& card, const ScoreCardContent& content, double turn) {
    const QRectF row(card.left() + 20, card.top() + cardPadding, card.width() - 40, columnsHeight);
    const double sideWidth = (row.width() - centreWidth) / 2;
    const bool awayLoading =
        cardColumn(painter, QRectF(row.left(), row.top(), sideWidth, row.height()), content.away, true, turn);
    centreColumn(painter, QRectF(row.left() + sideWidth, row.top(), centreWidth, row.height()),
                 content.centre);
    const bool homeLoading =
        cardColumn(painter, QRectF(row.right() - sideWidth, row.top(), sideWidth, row.height()), content.home,
                   false, turn);
    if (content.lastScoreText) {
        const QFont lineFont = pixelFont(11, QFont::DemiBold);
        const double maxText = card.width() - 40 - 12;
        const double w = std::min(maxText, textWidth(lineFont, *content.lastScoreText) + 1);
        const double y = row.bottom() + cardSpacing;
        const double x = card.center().x() - (6 + 6 + w) / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(content.lastScoreColor);
        painter.drawEllipse(QRectF(x, y + lastScoreHeight / 2 - 3, 6, 6));
        painter.setPen(content.lastScoreColor);
        painter.setFont(lineFont);
        painter.drawText(QRectF(x + 12, y, w, lastScoreHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         overlaystyle::elidedToFit(lineFont, *content.lastScoreText, w));
    }
    return awayLoading || homeLoading;
}

namespace {

struct PlayTextLines {
    QFont font;
    QStringList lines;
};

PlayTextLines playTextLines(const QString& text, double width) {
    QFont font = CelebrationContent::playTextFont();
    const int smallest = qRound(font.pixelSize() * 0.7);
    for (;; font.setPixelSize(font.pixelSize() - 1)) {
        QStringList lines = wrappedLines(text, font, width, 3);
        if (lines.size() <= 2)
            return {font, std::move(lines)};
        if (font.pixelSize() <= smallest)
            return {font, wrappedLines(text, font, width, 2)};
    }
}

} // namespace

bool celebration(QPainter& painter, const QRectF& block, const CelebrationContent& content,
                 const Team& scoringTeam, const CelebrationFrame& frame, double turn) {
    const double logoSize = CelebrationContent::logoSize;
    const CelebrationLayout layout = CelebrationLayout::make(block, content, frame);
    bool loading = false;
    const auto logo = [&](const QPointF& centre, double scale, double opacity) {
        if (opacity <= 0.001)
            return;
        painter.save();
        painter.setOpacity(painter.opacity() * opacity);
        painter.translate(centre);
        painter.scale(scale, scale);
        loading = paintTeamLogo(painter, QRectF(-logoSize / 2, -logoSize / 2, logoSize, logoSize),
                                scoringTeam, turn) ||
                  loading;
        painter.restore();
    };
    logo(layout.leavingLogoCentre, 1, frame.leavingLogoOpacity);
    logo(layout.logoCentre, frame.logoScale, frame.logoOpacity);
    if (frame.pointsOpacity > 0.001) {
        const double pointsWidth = layout.pointsWidth;
        painter.save();
        painter.setOpacity(painter.opacity() * frame.pointsOpacity);
        painter.translate(layout.pointsCentre);
        painter.scale(frame.pointsScale, frame.pointsScale);
        painter.setPen(content.accent);
        painter.setFont(CelebrationContent::pointsFont());
        painter.drawText(QRectF(-pointsWidth / 2 - 1, -logoSize / 2, pointsWidth + 2, logoSize),
                         Qt::AlignCenter, content.pointsText);
        painter.restore();
    }
    if (layout.playText) {
        const QRectF& rect = *layout.playText;
        painter.save();
        painter.setOpacity(painter.opacity() * frame.playTextOpacity * 0.85);
        painter.setPen(content.accent);
        // Two lines at most: shrink to 70 % before shortening the second.
        const PlayTextLines text = playTextLines(content.playText, rect.width());
        painter.setFont(text.font);
        const double lineHeight = QFontMetricsF(text.font).lineSpacing();
        for (qsizetype i = 0; i < text.lines.size(); ++i)
            painter.drawText(QRectF(rect.left(), rect.top() + i * lineHeight, rect.width(), lineHeight),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text.lines[i]);
        painter.restore();
    }
    return loading;
}

namespace {
constexpr int unpinGlyphSize = 7;
constexpr double pillPaddingX = 10;
constexpr double pillSpacing = 4;
} // namespace

QSizeF unpinPillSize() {
    const double text =
        textWidth(pixelFont(9, QFont::DemiBold, FontDesign::rounded), QStringLiteral("UNPIN"));
    return {pillPaddingX + unpinGlyphSize + pillSpacing + text + pillPaddingX, 20};
}

void unpinPill(QPainter& painter, const QRectF& pill) {
    QPainterPath shape;
    shape.addRoundedRect(pill, pillRadius, pillRadius);
    painter.fillPath(shape, overlay_colors::white(0.08));
    double x = pill.left() + pillPaddingX;
    overlaystyle::drawSymbol(painter, QRectF(x, pill.top(), unpinGlyphSize, pill.height()),
                             QStringLiteral("pin.slash.fill"), unpinGlyphSize, overlay_colors::white(0.35));
    x += unpinGlyphSize + pillSpacing;
    painter.setFont(pixelFont(9, QFont::DemiBold, FontDesign::rounded));
    painter.setPen(overlay_colors::white(0.4));
    painter.drawText(QRectF(x, pill.top(), pill.right() - x, pill.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("UNPIN"));
}

} // namespace overlay_paint
