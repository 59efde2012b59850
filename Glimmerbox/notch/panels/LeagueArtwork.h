#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

// The application's own league images, by asset name ("F1Logo", "NCAAMLogo", "LaLigaLogo", as
// League::localLogoAssetName gives them). Drawn from vector artwork, so every size is sharp.
bool hasLeagueArtwork(const QString& name);

// Paints the artwork fitted inside `rect` with its aspect kept; false (and nothing painted) for an unknown
// name.
bool paintLeagueArtwork(QPainter& painter, const QRectF& rect, const QString& name);

// The artwork as a square pixmap of `size` logical pixels; a null pixmap for an unknown name.
QPixmap leagueArtworkPixmap(const QString& name, int size, qreal dpr = 1.0);
