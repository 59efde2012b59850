#include "GalleryRegistry.h"

#include "notch/panels/LeagueArtwork.h"
#include "platform/text/IconFont.h"

#include <QPainter>

namespace {

const GalleryStateRegistration leagueArtwork{
    "league-artwork", [] {
        const QStringList names{"F1Logo", "NCAAMLogo", "LaLigaLogo"};
        return renderPainted(QSize(3 * 72 + 8, 80), galleryDark, [&](QPainter& painter) {
            for (int i = 0; i < names.size(); ++i)
                paintLeagueArtwork(painter, QRectF(8 + i * 72, 8, 64, 64), names.at(i));
        });
    }};

// Every symbol the views name, in a grid with its name below.
const GalleryStateRegistration symbols{
    "symbols", [] {
        const QStringList names{"sportscourt.fill",
                                "sportscourt",
                                "football.fill",
                                "basketball.fill",
                                "baseball.fill",
                                "hockey.puck.fill",
                                "soccerball",
                                "car.fill",
                                "figure.golf",
                                "tennisball.fill",
                                "figure.martial.arts",
                                "circle.circle.fill",
                                "wifi.slash",
                                "pin.fill",
                                "pin",
                                "pin.slash",
                                "pin.slash.fill",
                                "chevron.down",
                                "arrowtriangle.down.fill",
                                "arrowtriangle.right.fill",
                                "arrow.clockwise",
                                "command",
                                "gearshape",
                                "star",
                                "star.fill",
                                "bell",
                                "bell.fill",
                                "paintbrush",
                                "calendar",
                                "wrench.and.screwdriver",
                                "checkmark.circle.fill",
                                "info.circle",
                                "tv",
                                "safari",
                                "doc.on.doc",
                                "xmark.circle.fill",
                                "exclamationmark.triangle",
                                "exclamationmark.triangle.fill",
                                "pause.circle",
                                "target",
                                "arrow.turn.down.right",
                                "3.circle.fill",
                                "k.circle",
                                "circle.fill"};
        const int columns = 8;
        const QSize cell(132, 56);
        const int rows = static_cast<int>((names.size() + columns - 1) / columns);
        return renderPainted(
            QSize(columns * cell.width(), rows * cell.height()), galleryDark, [&](QPainter& painter) {
                QFont font = painter.font();
                font.setPixelSize(9);
                painter.setFont(font);
                painter.setPen(QColor(255, 255, 255, 160));
                for (int i = 0; i < names.size(); ++i) {
                    const QPoint origin((i % columns) * cell.width(), (i / columns) * cell.height());
                    painter.drawPixmap(origin + QPoint((cell.width() - 28) / 2, 4),
                                       iconfont::pixmap(names.at(i), Qt::white, 28, 2.0));
                    painter.drawText(QRect(origin + QPoint(0, 36), QSize(cell.width(), 16)), Qt::AlignCenter,
                                     names.at(i));
                }
            });
    }};

} // namespace
