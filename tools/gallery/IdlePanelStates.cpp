#include "GalleryAppState.h"
#include "GalleryRegistry.h"
#include "GallerySamples.h"
#include "PickerGallery.h"

#include "notch/panels/IdlePanel.h"
#include "notch/picker/PickerGameRow.h"
#include "notch/picker/PinnedGameRow.h"

#include "platform/time/Clock.h"

#include <QApplication>
#include <QVBoxLayout>

namespace {

// The idle panel as the overlay shows it: hanging from the top edge in its black shape with rounded bottom
// corners, over the desktop.
QImage idleOverlay(const std::function<void(GalleryAppState&)>& fill, bool hoverFirstGameRow) {
    GalleryAppState app;
    fill(app);
    IdlePanel panel(app.state(), app.preferences(), app.state().clock(), [](const Game&) {});
    if (hoverFirstGameRow) {
        // Rows are built once the picker is shown.
        panel.setAttribute(Qt::WA_DontShowOnScreen);
        panel.resize(panel.sizeHint());
        panel.show();
        QApplication::processEvents();
        for (QWidget* row : panel.picker().rowWidgets()) {
            if (auto* gameRow = qobject_cast<PickerGameRow*>(row)) {
                gameRow->handleRowHover(true);
                break;
            }
        }
    }
    OverlayInputs inputs;
    inputs.isHovered = true;
    return overlayWithPanels(inputs, {{OverlaySlot::idlePanel, &panel}});
}

const GalleryStateRegistration idle{"overlay-idle-panel", [] { return idleOverlay(&fillPickerState, true); }};

const GalleryStateRegistration idleEmpty{"overlay-idle-panel-empty",
                                         [] { return idleOverlay(&fillEmptyPickerState, false); }};

// A game of `league` that starts in an hour.
Game startingInAnHour(const GalleryAppState& app, const QString& id, const QString& league) {
    Game game;
    game.id = id;
    game.league = *League::withId(league);
    game.status = GameStatus::scheduled;
    game.startTime = app.now().addSecs(3600).toUTC();
    return game;
}

// Each game as the picker lists it and then as a pinned row, one under the other.
QImage pickerAndPinnedRows(GalleryAppState& app, const QList<Game>& games) {
    QWidget column;
    auto* layout = new QVBoxLayout(&column);
    layout->setContentsMargins(0, 8, 0, 8);
    for (const Game& game : games) {
        layout->addWidget(new PickerGameRow(
            game, [](const Game&) {}, Clock::system()));
        layout->addWidget(new PinnedGameRow(
            game, [](const Game&) {}, app.state(), Clock::system()));
    }
    return renderWidget(column);
}

// Rows whose logos are still downloading: each turns a spinner in the logo's place.
const GalleryStateRegistration loadingLogos{"picker-rows-loading-logos", [] {
                                                GalleryAppState app;
                                                Game game = startingInAnHour(app, "loading", "nba");
                                                game.awayTeam =
                                                    galleryTeam("BOS", "Boston", "007A33", "nba", false);
                                                game.awayTeam.logoURL = galleryPendingLogoURL("away");
                                                game.homeTeam =
                                                    galleryTeam("LAL", "Los Angeles", "552583", "nba", false);
                                                game.homeTeam.logoURL = galleryPendingLogoURL("home");
                                                return pickerAndPinnedRows(app, {game});
                                            }};

// Races whose left side is too long: it ends short of the status, 6 + spacer + 6 away.
const GalleryStateRegistration longRaceNames{
    "picker-rows-long-race-names", [] {
        GalleryAppState app;
        Game venue = startingInAnHour(app, "venue", "f1");
        venue.venue = QStringLiteral("Autodromo Internazionale del Mugello e della Toscana");
        Game leader = venue;
        leader.id = QStringLiteral("leader");
        leader.status = GameStatus::inProgress;
        leader.clock = QStringLiteral("Lap 31/57");
        RaceDriver driver;
        driver.position = 1;
        driver.name = QStringLiteral("Maximilian Alexander von Lengthington-Smythe");
        leader.raceStandings = QList<RaceDriver>{driver};
        return pickerAndPinnedRows(app, {venue, leader});
    }};

} // namespace
