#include "OverlayGallery.h"

OverlayInputs barShowing(const Game& game) {
    OverlayInputs inputs;
    inputs.displayedGame = game;
    inputs.isBarVisible = true;
    return inputs;
}
