#include "OverlayGallery.h"

OverlayInputs barShowing(const Game& game) {
    OverlayInputs inputs;
    inputs.displayedGame = game;
    inputs.isBarVisible = true;
    return inputs;
}

Game galleryRace(const QString& id, const Team& event, GameStatus status, const QString& venue) {
    Game game;
    game.id = id;
    game.league = *League::withId("f1");
    game.homeTeam = event;
    game.awayTeam = event;
    game.status = status;
    game.venue = venue;
    return game;
}
