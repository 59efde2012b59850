#pragma once

#include "notch/state/OverlayPresenter.h"

#include <QImage>

#include <map>

class GalleryAppState;
class QWidget;

// What the picker's gallery states share across files.

// The picker's data: two pins (one live), live games, three leagues, one of them without games.
void fillPickerState(GalleryAppState& app);
// A league is enabled but nothing is loaded or pinned: only the header and the refresh bar.
void fillEmptyPickerState(GalleryAppState& app);

// The whole overlay panel at rest with the given hosted panels placed in their slots, over a desktop colour.
QImage overlayWithPanels(const OverlayInputs& inputs, const std::map<OverlaySlot, QWidget*>& panels);
