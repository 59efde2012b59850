#include "GallerySamples.h"

#include "notch/panels/TeamColors.h"
#include "platform/network/ImageLoader.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A shield in the team colour with the abbreviation across it: clearly a stand-in, never a real logo.
QImage drawnLogo(const QString& abbreviation, const QColor& color) {
    const int side = 128;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(16, 12);
    shield.lineTo(112, 12);
    shield.lineTo(112, 64);
    shield.quadTo(112, 104, 64, 120);
    shield.quadTo(16, 104, 16, 64);
    shield.closeSubpath();
    painter.fillPath(shield, color);
    painter.setPen(QPen(Qt::white, 6));
    painter.drawPath(shield);
    QFont font = painter.font();
    font.setPixelSize(abbreviation.size() > 3 ? 30 : 38);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(16, 30, 96, 56), Qt::AlignCenter, abbreviation);
    return image;
}

} // namespace

Team galleryTeam(const QString& abbreviation, const QString& name, const QString& primaryColor,
                 const QString& leagueId, bool withLogo) {
    Team team;
    team.id = abbreviation.toLower();
    team.name = name;
    team.abbreviation = abbreviation;
    team.shortName = name.section(u' ', -1);
    team.location = name.section(u' ', 0, -2);
    team.league = League::withId(leagueId).value_or(League{});
    team.primaryColor = primaryColor;
    if (withLogo) {
        const QUrl url(
            QStringLiteral("https://images.gallery.invalid/logos/%1/%2.png").arg(leagueId, team.id));
        ImageLoader::shared().insert(url, drawnLogo(abbreviation, teamColorOrGrey(primaryColor)));
        team.logoURL = url;
    }
    return team;
}

QUrl galleryFailingLogoURL() {
    return QUrl(QStringLiteral("file:///gallery/missing-logo.png"));
}

QUrl galleryPendingLogoURL(const QString& name) {
    return QUrl(QStringLiteral("http://127.0.0.1:9/gallery/%1.png").arg(name));
}

QString galleryUnrulyText(const QString& start, int length) {
    QString text = start + QStringLiteral("\n");
    const QString words = QStringLiteral("Harbor Hawks of the Northern Bay ");
    while (text.size() < start.size() + 1 + length)
        text += words;
    return text.left(start.size() + 1 + length);
}
