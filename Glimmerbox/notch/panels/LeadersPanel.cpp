#include "notch/panels/LeadersPanel.h"

#include "notch/panels/LeagueArtwork.h"
#include "notch/panels/OverlayStyle.h"
#include "notch/panels/TeamColors.h"
#include "notch/panels/TeamLogo.h"

#include "platform/network/ImageLoader.h"
#include "platform/text/PixelFont.h"
#include "platform/time/Spinner.h"

#include <QPainter>

namespace {

using namespace overlaystyle;
using namespace overlay_colors;
using Kind = LeadersContent::Kind;
constexpr double headshot = LeadersPanel::headshotSize;

double topPadding(Kind kind) {
    return kind == Kind::badge ? 8 : 6;
}

double bodyHeight(Kind kind) {
    return kind == Kind::loading ? 40 : 24;
}

void paintHeadshot(QPainter& painter, const QRectF& rect, const TopScorer& scorer, const Team& team) {
    if (scorer.headshotURL) {
        if (const auto image = ImageLoader::shared().image(*scorer.headshotURL)) {
            drawImage(painter, rect, *image, Qt::KeepAspectRatioByExpanding, rect.width() / 2);
            return;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(teamColorOrGrey(team.primaryColor), 0.3));
    painter.drawEllipse(rect);
    painter.restore();
    drawLine(painter, rect, LeadersContent::initial(scorer.playerName), pixelFont(11, QFont::Bold),
             white(1.0), Qt::AlignHCenter);
}

QFont nameFont() {
    return pixelFont(10, QFont::DemiBold);
}

QFont statFont() {
    return pixelFont(9, QFont::Medium, FontDesign::rounded);
}

void paintLeader(QPainter& painter, const QRectF& column, const TopScorer& scorer, const Team& team,
                 bool home) {
    const LeadersPanel::RowLayout layout = LeadersPanel::rowLayout(column, scorer, home);
    paintHeadshot(painter, layout.headshot, scorer, team);
    const QRectF& text = layout.text;
    drawLine(painter, QRectF(text.left(), text.top(), text.width(), 12), scorer.playerName, nameFont(),
             white(0.9), layout.alignment);
    drawLine(painter, QRectF(text.left(), text.top() + 13, text.width(), 11), scorer.statLine, statFont(),
             adjustedForContrast(teamColorOrGrey(team.primaryColor)), layout.alignment);
}

void paintBadge(QPainter& painter, const QRectF& rect, const LeadersContent::LeagueBadge& badge) {
    using BadgeKind = LeadersContent::LeagueBadge::Kind;
    if (badge.kind == BadgeKind::artwork) {
        paintLeagueArtwork(painter, rect, badge.assetName);
        return;
    }
    if (badge.kind == BadgeKind::remoteLogo) {
        if (const auto image = ImageLoader::shared().image(badge.logoURL)) {
            drawImage(painter, rect, *image);
            return;
        }
    }
    // The abbreviation may be wider than the badge's square.
    drawLine(painter, rect.adjusted(-20, 0, 20, 0), badge.abbreviation, pixelFont(10, QFont::Bold),
             white(1.0), Qt::AlignHCenter);
}

} // namespace

LeadersPanel::RowLayout LeadersPanel::rowLayout(const QRectF& column, const TopScorer& scorer, bool home) {
    // Headshot, then the two lines as wide as the wider of them: from the outer edge of the away column,
    // towards the outer edge of the home column.
    constexpr double spacing = 6;
    const double natural = std::ceil(std::max(overlaystyle::textWidth(nameFont(), scorer.playerName),
                                              overlaystyle::textWidth(statFont(), scorer.statLine)));
    const double textWidth = std::clamp(natural, 0.0, std::max(0.0, column.width() - headshot - spacing));
    const double rowWidth = headshot + spacing + textWidth;
    const double left = home ? column.right() - rowWidth : column.left();
    const double top = column.center().y();
    return {QRectF(left, top - headshot / 2, headshot, headshot),
            QRectF(left + headshot + spacing, top - 12, textWidth, 24),
            home ? Qt::AlignRight : Qt::AlignLeft};
}

LeadersPanel::LeadersPanel(Clock& clock, QWidget* parent) : QWidget(parent), m_clock(clock) {
    connect(&ImageLoader::shared(), &ImageLoader::finished, this, qOverload<>(&QWidget::update));
}

void LeadersPanel::setLeaders(const Game& game, bool isLoadingLeaders, const QList<TopScorer>& topScorers) {
    m_game = game;
    m_content = LeadersContent::make(game, isLoadingLeaders, topScorers);
    m_spinner.setTurning(m_content.kind == Kind::loading);
    updateGeometry();
    update();
}

QSize LeadersPanel::sizeHint() const {
    return {340, int(topPadding(m_content.kind) + bodyHeight(m_content.kind))};
}

void LeadersPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double top = topPadding(m_content.kind);
    const QRectF body(0, top, width(), bodyHeight(m_content.kind));
    const QRectF centreSquare(body.center().x() - badgeSize / 2.0, body.center().y() - badgeSize / 2.0,
                              badgeSize, badgeSize);
    switch (m_content.kind) {
    case Kind::loading:
        paintLogoSpinner(painter, body, spinnerTurn(m_clock));
        return;
    case Kind::badge:
        paintBadge(painter, centreSquare, m_content.badge);
        return;
    case Kind::columns:
        break;
    }
    constexpr double paddingX = 14;
    constexpr double badgeMargin = 8;
    const double columnWidth = (width() - 2 * paddingX - badgeSize - 2 * badgeMargin) / 2;
    const QRectF awayColumn(paddingX, body.top(), columnWidth, body.height());
    const QRectF homeColumn(width() - paddingX - columnWidth, body.top(), columnWidth, body.height());
    if (m_content.away)
        paintLeader(painter, awayColumn, *m_content.away, m_game.awayTeam, false);
    paintBadge(painter, centreSquare, m_content.badge);
    if (m_content.home)
        paintLeader(painter, homeColumn, *m_content.home, m_game.homeTeam, true);
}
