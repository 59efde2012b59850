#include "GalleryRegistry.h"
#include "GallerySamples.h"

#include "model/UserPreferences.h"
#include "notch/panels/TeamColors.h"
#include "notch/panels/TeamLogoView.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

// Three sizes the panels use, side by side.
QImage logoRow(const QList<Team>& teams) {
    QWidget row;
    auto* layout = new QHBoxLayout(&row);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    const int sizes[] = {20, 32, 56};
    for (int i = 0; i < 3; ++i)
        layout->addWidget(new TeamLogoView(teams.at(i % teams.size()), sizes[i]), 0, Qt::AlignVCenter);
    return renderWidget(row);
}

QList<Team> sampleTeams() {
    return {galleryTeam("BOS", "Boston Harbors", "007A33"),
            galleryTeam("LAL", "Los Angeles Lights", "552583"),
            galleryTeam("NYK", "New York Knights", "#F58426")};
}

QList<Team> withLogoURL(QList<Team> teams, const std::function<QUrl(const Team&)>& url) {
    for (Team& team : teams)
        team.logoURL = url(team);
    return teams;
}

const GalleryStateRegistration loaded{"team-logo-loaded", [] { return logoRow(sampleTeams()); }};

const GalleryStateRegistration loading{"team-logo-loading", [] {
                                           return logoRow(withLogoURL(sampleTeams(), [](const Team& team) {
                                               return galleryPendingLogoURL(team.id);
                                           }));
                                       }};

const GalleryStateRegistration failed{
    "team-logo-failed",
    [] { return logoRow(withLogoURL(sampleTeams(), [](const Team&) { return galleryFailingLogoURL(); })); }};

const GalleryStateRegistration logosOff{"team-logo-off", [] {
                                            UserPreferences& preferences = UserPreferences::shared();
                                            const bool before = preferences.showTeamLogos();
                                            preferences.setShowTeamLogos(false);
                                            QImage image = logoRow(sampleTeams());
                                            preferences.setShowTeamLogos(before);
                                            return image;
                                        }};

// Each text: its colour as read, then brightened for the black overlay; below, the podium colours.
const GalleryStateRegistration swatches{
    "team-colour-swatches", [] {
        const QStringList texts{"#FFF",   "FF000080", "F80",    "12G456", "GGGGGG",
                                "000000", "0A1F5C",   "808080", "12345",  ""};
        const int cell = 64;
        return renderPainted(QSize(cell * texts.size(), cell + 64), galleryDark, [&](QPainter& painter) {
            QFont font = painter.font();
            font.setPixelSize(10);
            painter.setFont(font);
            for (int i = 0; i < texts.size(); ++i) {
                const QRectF column(i * cell, 0, cell, cell);
                const std::optional<QColor> color = colorFromHex(texts.at(i));
                const QRectF top = column.adjusted(8, 4, -8, -38);
                const QRectF bottom = top.translated(0, 26);
                painter.setPen(QColor(255, 255, 255, 90));
                if (color) {
                    painter.setBrush(*color);
                    painter.drawRect(top);
                    painter.setBrush(adjustedForContrast(*color));
                    painter.drawRect(bottom);
                } else {
                    painter.setBrush(Qt::NoBrush);
                    painter.drawLine(top.topLeft(), top.bottomRight());
                    painter.drawRect(top);
                }
                painter.setPen(Qt::white);
                painter.drawText(QRectF(i * cell, cell + 2, cell, 14), Qt::AlignCenter,
                                 texts.at(i).isEmpty() ? QStringLiteral("(empty)") : texts.at(i));
            }
            for (int position = 0; position <= 4; ++position) {
                const QRectF badge(8 + position * 40, cell + 24, 28, 28);
                painter.setPen(Qt::NoPen);
                painter.setBrush(positionBadgeColor(position));
                painter.drawEllipse(badge);
                painter.setPen(Qt::black);
                painter.drawText(badge, Qt::AlignCenter, QString::number(position));
            }
        });
    }};

} // namespace
