#pragma once

#include "model/Team.h"
#include "platform/network/ImageLoader.h"

#include <QImage>
#include <QRectF>

class QPainter;

// What a team's logo shows at the moment: the coloured initial (logos off, no address, or a failed
// download), a spinner while the image loads, or the image.
struct TeamLogoLook {
    enum class Phase { Initial, Loading, Image };
    Phase phase = Phase::Initial;
    QImage image;
};

// Decides the look, starting the download when the image is wanted and not cached yet.
TeamLogoLook teamLogoLook(const Team& team, bool showLogos, ImageLoader& loader);

// Paints the look into `rect` (a square, centred inside it): the image fitted with its aspect kept, a
// half-scale spinner at `spinnerTurn`, or a circle in the team colour with the abbreviation's first
// character in bold white.
void paintTeamLogo(QPainter& painter, const QRectF& rect, const Team& team, const TeamLogoLook& look,
                   double spinnerTurn);

// The busy indicator of a loading logo, at half scale, centred in `rect`; the leaders panel shows the same.
void paintLogoSpinner(QPainter& painter, const QRectF& rect, double spinnerTurn);

// Both at once for views that paint many logos in one pass (the overlay panels), reading the logo setting
// and the shared loader. Returns true while the logo is loading: the caller keeps a spinner timer running
// until no logo it paints is loading, and repaints on ImageLoader::finished.
bool paintTeamLogo(QPainter& painter, const QRectF& rect, const Team& team, double spinnerTurn);
