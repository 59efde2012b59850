#include "notch/panels/RacingPanel.h"

#include "notch/panels/LeagueArtwork.h"
#include "notch/panels/OverlayStyle.h"
#include "notch/panels/TeamColors.h"

#include "platform/network/ImageLoader.h"
#include "platform/text/PixelFont.h"

#include <QPainter>

namespace {

using namespace overlaystyle;
using namespace overlay_colors;
using Header = RaceStandingsContent::Header;
constexpr double paddingX = RacingPanel::paddingX;

void paintRoundedFill(QPainter& painter, const QRectF& rect, double radius, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

// Pieces laid out from the right edge leftwards within `room`; returns the left edge of the last one.
double paintRaceState(QPainter& painter, const Header& header, double right, double centreY, double room) {
    if (header.kind == Header::Kind::startTime) {
        const QFont timeFont = pixelFont(10, QFont::Medium);
        const double width = std::ceil(textWidth(timeFont, header.timeLabel));
        drawLine(painter, QRectF(right - width - 1, centreY - 8, width + 1, 16), header.timeLabel, timeFont,
                 white(0.4), Qt::AlignRight);
        return right - width;
    }
    if (header.kind == Header::Kind::winner) {
        const QFont nameFont = pixelFont(11, QFont::DemiBold);
        const QFont pillFont = pixelFont(9, heavy);
        const QString pill = QStringLiteral("P1");
        const double pillWidth = std::ceil(textWidth(pillFont, pill)) + 8;
        const double nameWidth = widthWithin(nameFont, header.winnerShortName, room - pillWidth - 4);
        drawLine(painter, QRectF(right - nameWidth - 1, centreY - 8, nameWidth + 1, 16),
                 header.winnerShortName, nameFont, white(1.0), Qt::AlignRight);
        const QRectF pillRect(right - nameWidth - 4 - pillWidth, centreY - 6.5, pillWidth, 13);
        paintRoundedFill(painter, pillRect, 3, gold);
        drawLine(painter, pillRect, pill, pillFont, Qt::black, Qt::AlignHCenter);
        return pillRect.left();
    }
    double x = right;
    const QFont liveFont = pixelFont(9, heavy);
    const QString live = QStringLiteral("LIVE");
    const double liveWidth = std::ceil(textWidth(liveFont, live));
    if (header.period) {
        const QFont periodFont = pixelFont(10, QFont::Medium);
        const double width = widthWithin(periodFont, *header.period, room - liveWidth - 4 - 10);
        drawLine(painter, QRectF(x - width - 1, centreY - 8, width + 1, 16), *header.period, periodFont,
                 white(0.5), Qt::AlignRight);
        x -= width + 4;
    }
    drawLine(painter, QRectF(x - liveWidth - 1, centreY - 8, liveWidth + 1, 16), live, liveFont, red,
             Qt::AlignRight);
    x -= liveWidth + 4;
    drawDot(painter, QPointF(x - 3, centreY), 6, red);
    return x - 6;
}

void paintHeader(QPainter& painter, double width, const Header& header) {
    const double centreY = 8 + 9;
    paintLeagueArtwork(painter, QRectF(paddingX, centreY - 9, 32.4, 18), QStringLiteral("F1Logo"));
    const double right = width - paddingX;
    const double titleLeft = paddingX + 32.4 + 6;
    const QString title = QStringLiteral("Standings");
    const QFont titleFont = pixelFont(13, QFont::Bold);
    // The race's state keeps clear of the title, however long a name or period the service sends.
    const double stateRoom = right - titleLeft - std::ceil(textWidth(titleFont, title)) - 6;
    const double stateLeft = paintRaceState(painter, header, right, centreY, stateRoom);
    drawLine(painter, QRectF(titleLeft, centreY - 9, std::max(0.0, stateLeft - 6 - titleLeft), 18), title,
             titleFont, white(1.0));
}

void paintColumnTitles(QPainter& painter, double top, double width) {
    const QFont titleFont = pixelFont(9, QFont::Medium);
    const QRectF line(paddingX, top, width - 2 * paddingX, RacingPanel::columnTitlesHeight - 2);
    drawLine(painter, QRectF(line.left(), line.top(), 26, line.height()), QStringLiteral("#"), titleFont,
             white(0.35));
    drawLine(painter, QRectF(line.left() + 50, line.top(), line.width() - 50 - 70, line.height()),
             QStringLiteral("Driver"), titleFont, white(0.35));
    drawLine(painter, QRectF(line.right() - 70, line.top(), 70, line.height()), QStringLiteral("Interval"),
             titleFont, white(0.35), Qt::AlignRight);
}

void paintFlag(QPainter& painter, const QRectF& rect, const QUrl& url) {
    if (const auto image = ImageLoader::shared().image(url))
        drawImage(painter, rect, *image, Qt::KeepAspectRatio, 2);
    else
        paintRoundedFill(painter, rect, 2, withOpacity(grey, 0.3));
}

void paintDriverRow(QPainter& painter, const QRectF& row, const RaceStandingsContent::DriverRow& driver) {
    const double centreY = row.center().y();
    double x = row.left() + paddingX;
    if (driver.isPodium) {
        const QRectF badge(x, centreY - 9, 20, 18);
        paintRoundedFill(painter, badge, 4, positionBadgeColor(int(driver.driver.position)));
        drawLine(painter, badge, driver.positionText, pixelFont(11, QFont::Bold), Qt::black,
                 Qt::AlignHCenter);
    } else {
        drawLine(painter, QRectF(x, row.top(), 20, row.height()), driver.positionText,
                 pixelFont(12, QFont::Medium), white(0.5), Qt::AlignHCenter);
    }
    x += 20 + 6;
    if (driver.driver.flagURL) {
        paintFlag(painter, QRectF(x, centreY - 6, 18, 12), *driver.driver.flagURL);
        x += 18 + 6;
    }
    const double intervalLeft = row.right() - paddingX - 70;
    drawLine(painter, QRectF(intervalLeft, row.top(), 70, row.height()), driver.intervalText,
             pixelFont(10, QFont::Medium), white(0.4), Qt::AlignRight);
    drawLine(painter, QRectF(x, row.top(), std::max(0.0, intervalLeft - 4 - x), row.height()),
             driver.driver.name, pixelFont(13, driver.isPodium ? QFont::DemiBold : QFont::Normal),
             driver.isPodium ? white(1.0) : white(0.7), Qt::AlignLeft, 0.75);
}

} // namespace

RacingPanel::RacingPanel(Part part, const Game& game, const QDateTime& now, QWidget* parent)
    : QWidget(parent), m_part(part), m_content(RaceStandingsContent::make(game, now)) {
    connect(&ImageLoader::shared(), &ImageLoader::finished, this, qOverload<>(&QWidget::update));
}

void RacingPanel::setGame(const Game& game, const QDateTime& now) {
    m_content = RaceStandingsContent::make(game, now);
    updateGeometry();
    update();
}

QSize RacingPanel::sizeHint() const {
    if (m_part == Part::expanded)
        return {340, headerHeight + columnTitlesHeight + int(m_content.expandedRows.size()) * rowHeight};
    if (!m_content.showsDeepList())
        return {340, 0};
    return {340, hairlineHeight + int(m_content.deepRows.size()) * rowHeight};
}

void RacingPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    double y = 0;
    const QList<RaceStandingsContent::DriverRow>* rows = &m_content.expandedRows;
    if (m_part == Part::expanded) {
        paintHeader(painter, width(), m_content.header);
        paintColumnTitles(painter, headerHeight, width());
        y = headerHeight + columnTitlesHeight;
    } else {
        if (!m_content.showsDeepList())
            return;
        painter.fillRect(QRectF(paddingX, 4, width() - 2 * paddingX, 0.5), white(0.1));
        y = hairlineHeight;
        rows = &m_content.deepRows;
    }
    for (const auto& row : *rows) {
        paintDriverRow(painter, QRectF(0, y, width(), rowHeight), row);
        y += rowHeight;
    }
}
