#include "notch/picker/PickerRowPainter.h"

#include "notch/panels/OverlayStyle.h"
#include "notch/panels/TeamLogo.h"

#include "platform/network/ImageLoader.h"
#include "platform/text/PixelFont.h"

#include <QPainter>

#include <limits>

namespace pickerrow {

namespace {

using namespace overlaystyle;
using namespace overlay_colors;
using RaceLine = PickerRowContent::RaceLine;

constexpr double logoSize = 16;
constexpr double blockSpacing = 5;
constexpr double raceSpacing = 6;
// A spacer that is given no minimum keeps the platform's standard gap between views.
constexpr double spacerDefaultMinimum = 8;
constexpr double scoreLine = 16;  // 13 bold
constexpr double detailLine = 11; // 8 and 9 px lines
constexpr double startLine = 15;  // 12 medium
constexpr double centreSpacing = 2;
constexpr double raceLine = 16; // 11 px lines

double centreHeight(const PickerRowContent::TeamCentre& centre) {
    if (centre.showsScore)
        return scoreLine + centreSpacing + detailLine;
    return centre.broadcast ? startLine + centreSpacing + detailLine : startLine;
}

// Returns true while the logo is loading.
bool paintTeamBlock(QPainter& painter, const QRectF& block, const Team& team, bool away, double turn) {
    const QFont font = pixelFont(12, QFont::Medium);
    const double y = block.center().y() - logoSize / 2;
    const double textWidth = block.width() - logoSize - blockSpacing;
    if (away) {
        drawLine(painter,
                 QRectF(block.left() + logoSize + blockSpacing, block.top(), textWidth, block.height()),
                 team.abbreviation, font, white(1.0));
        return paintTeamLogo(painter, QRectF(block.left(), y, logoSize, logoSize), team, turn);
    }
    drawLine(painter, QRectF(block.left(), block.top(), textWidth, block.height()), team.abbreviation, font,
             white(1.0), Qt::AlignRight);
    return paintTeamLogo(painter, QRectF(block.right() - logoSize, y, logoSize, logoSize), team, turn);
}

// A row of pieces centred on `centreX`: each piece is a width and a painter taking its left edge.
struct Piece {
    double width;
    std::function<void(double left)> paint;
};
void paintCentredRow(const QList<Piece>& pieces, double spacing, double centreX) {
    double total = 0;
    for (const Piece& piece : pieces)
        total += piece.width;
    total += spacing * std::max<qsizetype>(0, pieces.size() - 1);
    double x = centreX - total / 2;
    for (const Piece& piece : pieces) {
        piece.paint(x);
        x += piece.width + spacing;
    }
}

// A text piece as wide as its text, or `maxWidth` where that is narrower (the text shortened to fit).
Piece textPiece(QPainter& painter, double top, double height, const QString& text, const QFont& font,
                const QColor& color, double maxWidth = std::numeric_limits<double>::infinity()) {
    const double width = widthWithin(font, text, maxWidth);
    return {width, [&painter, top, height, text, font, color, width](double left) {
                drawLine(painter, QRectF(left, top, width + 1, height), text, font, color);
            }};
}

Piece dotPiece(QPainter& painter, double centreY) {
    return {4, [&painter, centreY](double left) { drawDot(painter, QPointF(left + 2, centreY), 4, red); }};
}

void paintTeamCentre(QPainter& painter, const QRectF& column, const PickerRowContent::TeamCentre& centre) {
    const double top = column.center().y() - centreHeight(centre) / 2;
    const double x = column.center().x();
    if (!centre.showsScore) {
        drawLine(painter, QRectF(column.left(), top, column.width(), startLine), centre.startTime,
                 pixelFont(12, QFont::Medium), white(0.5), Qt::AlignHCenter);
        if (centre.broadcast)
            drawLine(painter,
                     QRectF(column.left(), top + startLine + centreSpacing, column.width(), detailLine),
                     *centre.broadcast, pixelFont(8), white(0.3), Qt::AlignHCenter);
        return;
    }
    const QFont scoreFont = pixelFont(13, QFont::Bold);
    paintCentredRow({textPiece(painter, top, scoreLine, centre.awayScore, scoreFont, white(1.0)),
                     textPiece(painter, top, scoreLine, QStringLiteral("-"), pixelFont(10), white(0.4)),
                     textPiece(painter, top, scoreLine, centre.homeScore, scoreFont, white(1.0))},
                    4, x);
    const double lineTop = top + scoreLine + centreSpacing;
    if (centre.showsFinal) {
        drawLine(painter, QRectF(column.left(), lineTop, column.width(), detailLine), QStringLiteral("Final"),
                 pixelFont(9), white(0.35), Qt::AlignHCenter);
        return;
    }
    QList<Piece> line{dotPiece(painter, lineTop + detailLine / 2)};
    // The period, then the clock, in what the column has left.
    double room = column.width() - 4;
    for (const auto& text : {centre.period, centre.clock}) {
        if (!text)
            continue;
        room -= 3;
        line.append(textPiece(painter, lineTop, detailLine, *text, pixelFont(8), red, std::max(0.0, room)));
        room -= line.last().width;
    }
    paintCentredRow(line, 3, x);
}

void paintFlag(QPainter& painter, const QRectF& rect, const QUrl& url) {
    // Clear while loading and after a failure.
    if (const auto image = ImageLoader::shared().image(url))
        drawImage(painter, rect, *image, Qt::KeepAspectRatio, 1);
}

void paintRace(QPainter& painter, const QRectF& rect, const RaceLine& race) {
    // Right side first, so the left side takes what is left.
    double rightWidth = 0;
    if (race.status == RaceLine::Status::live) {
        const QFont markerFont = pixelFont(9, QFont::DemiBold);
        rightWidth = 4 + 3 + widthWithin(markerFont, race.statusText, rect.width() / 2);
        drawDot(painter, QPointF(rect.right() - rightWidth + 2, rect.center().y()), 4, red);
        drawLine(painter,
                 QRectF(rect.right() - rightWidth + 7, rect.top(), rightWidth - 7 + 1, rect.height()),
                 race.statusText, markerFont, red);
    } else {
        const bool isFinal = race.status == RaceLine::Status::final_;
        const QFont statusFont = isFinal ? pixelFont(9) : pixelFont(10);
        rightWidth = widthWithin(statusFont, race.statusText, rect.width() / 2);
        drawLine(painter, QRectF(rect.right() - rightWidth - 1, rect.top(), rightWidth + 1, rect.height()),
                 race.statusText, statusFont, isFinal ? white(0.35) : white(0.5), Qt::AlignRight);
    }
    // The stack's spacing on both sides of the spacer between the two sides.
    const double leftLimit = rect.right() - rightWidth - raceSpacing - spacerDefaultMinimum - raceSpacing;
    const QFont nameFont = pixelFont(11, QFont::Medium);
    if (race.venue) {
        drawLine(painter, QRectF(rect.left(), rect.top(), leftLimit - rect.left(), rect.height()),
                 *race.venue, nameFont, white(1.0));
        return;
    }
    if (!race.leader)
        return;
    const QFont placeFont = pixelFont(11, QFont::Bold);
    const QString place = QStringLiteral("1.");
    double x = rect.left();
    const double placeWidth = std::ceil(textWidth(placeFont, place));
    drawLine(painter, QRectF(x, rect.top(), placeWidth + 1, rect.height()), place, placeFont, white(1.0));
    x += placeWidth + raceSpacing;
    if (race.leader->flagURL) {
        paintFlag(painter, QRectF(x, rect.center().y() - 5, 14, 10), *race.leader->flagURL);
        x += 14 + raceSpacing;
    }
    drawLine(painter, QRectF(x, rect.top(), std::max(0.0, leftLimit - x), rect.height()), race.leader->name,
             nameFont, white(1.0));
}

} // namespace

double contentHeight(const PickerRowContent& content) {
    if (content.layout == PickerRowContent::Layout::racing)
        return raceLine;
    return std::max(logoSize, centreHeight(content.centre));
}

int rowHeight(const PickerRowContent& content) {
    return int(std::ceil(contentHeight(content))) + 2 * cardPaddingY;
}

void paintCard(QPainter& painter, const QRectF& card, bool hovered) {
    if (!hovered)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(white(0.1));
    painter.drawRoundedRect(card, cornerRadius, cornerRadius);
    painter.restore();
}

bool paintContent(QPainter& painter, const QRectF& rect, const Game& game, const PickerRowContent& content,
                  double spinnerTurn) {
    if (content.layout == PickerRowContent::Layout::racing) {
        paintRace(painter, rect, content.race);
        return false;
    }
    const double block = content.teamBlockWidth;
    const bool awayLoading = paintTeamBlock(painter, QRectF(rect.left(), rect.top(), block, rect.height()),
                                            game.awayTeam, true, spinnerTurn);
    const bool homeLoading =
        paintTeamBlock(painter, QRectF(rect.right() - block, rect.top(), block, rect.height()), game.homeTeam,
                       false, spinnerTurn);
    const double gap = content.spacerMinimum;
    paintTeamCentre(
        painter,
        QRectF(rect.left() + block + gap, rect.top(), rect.width() - 2 * (block + gap), rect.height()),
        content.centre);
    return awayLoading || homeLoading;
}

} // namespace pickerrow
