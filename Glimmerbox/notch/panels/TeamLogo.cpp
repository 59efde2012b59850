#include "notch/panels/TeamLogo.h"

#include "model/UserPreferences.h"
#include "notch/panels/OverlayColors.h"
#include "notch/panels/OverlayStyle.h"
#include "notch/panels/TeamColors.h"
#include "platform/text/DisplayText.h"
#include "platform/time/Spinner.h"

#include <QPainter>

namespace {

QRectF centredSquare(const QRectF& rect) {
    const double side = std::min(rect.width(), rect.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(rect.center());
    return square;
}

void paintInitial(QPainter& painter, const QRectF& square, const Team& team) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(teamColorOrGrey(team.primaryColor));
    painter.drawEllipse(square);
    const QString initial = initialOf(team.abbreviation);
    if (initial.isEmpty())
        return;
    QFont font = painter.font();
    font.setPixelSize(std::max(1, qRound(square.width() * 0.45)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(square, Qt::AlignCenter, initial);
}

} // namespace

void paintLogoSpinner(QPainter& painter, const QRectF& rect, double spinnerTurn) {
    // The spinner at half scale: its usual 32 px, or the smaller side of `rect` when that is smaller.
    const double side = std::min({32.0, rect.width(), rect.height()}) * 0.5;
    QRectF spinner(0, 0, side, side);
    spinner.moveCenter(rect.center());
    paintSpinner(painter, spinner, spinnerTurn, overlay_colors::grey);
}

TeamLogoLook teamLogoLook(const Team& team, bool showLogos, ImageLoader& loader) {
    if (!showLogos || !team.logoURL)
        return {};
    if (std::optional<QImage> image = loader.image(*team.logoURL))
        return {TeamLogoLook::Phase::Image, *image};
    if (loader.state(*team.logoURL) == ImageLoader::State::Loading)
        return {TeamLogoLook::Phase::Loading, {}};
    return {};
}

void paintTeamLogo(QPainter& painter, const QRectF& rect, const Team& team, const TeamLogoLook& look,
                   double spinnerTurn) {
    const QRectF square = centredSquare(rect);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (look.phase) {
    case TeamLogoLook::Phase::Image:
        overlaystyle::drawImage(painter, square, look.image);
        break;
    case TeamLogoLook::Phase::Loading:
        paintLogoSpinner(painter, square, spinnerTurn);
        break;
    case TeamLogoLook::Phase::Initial:
        paintInitial(painter, square, team);
        break;
    }
    painter.restore();
}

bool paintTeamLogo(QPainter& painter, const QRectF& rect, const Team& team, double spinnerTurn) {
    const TeamLogoLook look =
        teamLogoLook(team, UserPreferences::shared().showTeamLogos(), ImageLoader::shared());
    paintTeamLogo(painter, rect, team, look, spinnerTurn);
    return look.phase == TeamLogoLook::Phase::Loading;
}
