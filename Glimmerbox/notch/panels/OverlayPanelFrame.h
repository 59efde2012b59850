#pragma once

#include "notch/panels/CelebrationContent.h"
#include "notch/panels/CompactRowContent.h"
#include "notch/panels/OverlayPainters.h"
#include "notch/panels/ScoreCardContent.h"
#include "notch/state/OverlayPresenter.h"

#include <QDateTime>
#include <QRectF>

#include <functional>
#include <optional>

class QPainter;

// Where the parts of a panel sit, from its top, for a panel `width` wide.
struct OverlaySections {
    QRectF compact;
    QRectF card;
    QRectF expandedSlot;
    QRectF deepSlot;
    QRectF strip;
    QRectF unpinPill;
    QRectF selectPill;
    QRectF divider;
    QRectF picker;
    QRectF idle;
    double height = 0;
};

// Everything one frame of the panel paints: the presentation, the contents of its parts and the springs'
// current values. The root view fills it from its state on every frame; the gallery and the benchmark
// build it at rest from made-up values.
struct OverlayPanelFrame {
    OverlayPresentation presentation;
    bool hasPhysicalNotch = false;
    double width = 0;
    double height = 0;
    double compactOpacity = 1;
    double sectionOpacity = 1;
    CompactRowContent compact;
    ScoreCardContent card;
    CelebrationContent celebration;
    CelebrationPhase phase = CelebrationPhase::none;
    Team scoringTeam;
    CelebrationFrame celebrationFrame;

    // The frame once every spring has settled, for these inputs and no hosted panels.
    static OverlayPanelFrame atRest(const OverlayInputs& inputs, const std::optional<ScoreEvent>& scoreEvent,
                                    const QDateTime& now);
};

// The heights of hosted panels, by slot (0 when a slot hosts nothing).
using OverlaySlotSize = std::function<QSizeF(OverlaySlot)>;

OverlaySections overlaySections(const OverlayPresentation& presentation, const ScoreCardContent& card,
                                double width, const OverlaySlotSize& slotSize = {});

// Paints the panel with its top centre at the painter's origin. Returns whether a logo is still loading.
bool paintOverlayPanel(QPainter& painter, const OverlayPanelFrame& frame, const OverlaySections& sections,
                       double spinnerTurn);
