#include "notch/panels/OverlayPanels.h"

#include "notch/panels/IdlePanel.h"
#include "notch/panels/LeadersPanel.h"
#include "notch/panels/RacingPanel.h"
#include "notch/picker/GamePickerView.h"
#include "notch/picker/SelectPill.h"

#include "app/AppState.h"

namespace {

QWidget* racingPanel(RacingPanel::Part part, NotchViewModel& viewModel, Clock& clock, QWidget* parent) {
    auto* panel = new RacingPanel(part, viewModel.displayedGame().value_or(Game{}), clock.now(), parent);
    QObject::connect(&viewModel, &NotchViewModel::displayedGameChanged, panel,
                     [panel, &clock](const std::optional<Game>& game) {
                         if (game)
                             panel->setGame(*game, clock.now());
                     });
    return panel;
}

QWidget* leadersPanel(NotchViewModel& viewModel, Clock& clock, QWidget* parent) {
    auto* panel = new LeadersPanel(clock, parent);
    const auto update = [panel, &viewModel] {
        if (const auto& game = viewModel.displayedGame())
            panel->setLeaders(*game, viewModel.isLoadingLeaders(), viewModel.topScorers());
    };
    update();
    QObject::connect(&viewModel, &NotchViewModel::displayedGameChanged, panel, update);
    QObject::connect(&viewModel, &NotchViewModel::topScorersChanged, panel, update);
    QObject::connect(&viewModel, &NotchViewModel::isLoadingLeadersChanged, panel, update);
    return panel;
}

} // namespace

QWidget* OverlayPanels::createPanel(OverlaySlot slot, NotchViewModel& viewModel, AppState& appState,
                                    QWidget* parent) {
    const auto select = [&viewModel](const Game& game) { viewModel.selectGame(game); };
    switch (slot) {
    case OverlaySlot::idlePanel:
        return new IdlePanel(appState, m_preferences, m_clock, select, {}, parent);
    case OverlaySlot::gamePicker:
        return new GamePickerView(appState, m_preferences, m_clock, select, {}, parent);
    case OverlaySlot::racingExpanded:
        return racingPanel(RacingPanel::Part::expanded, viewModel, m_clock, parent);
    case OverlaySlot::raceStandings:
        return racingPanel(RacingPanel::Part::deepList, viewModel, m_clock, parent);
    case OverlaySlot::leaders:
        return leadersPanel(viewModel, m_clock, parent);
    case OverlaySlot::selectPill: {
        auto* pill = new SelectPill([&viewModel] { viewModel.scheduleJumboExpand(); },
                                    [&viewModel] { viewModel.cancelJumboExpand(); }, parent);
        if (auto* overlay = qobject_cast<NotchOverlayView*>(parent))
            QObject::connect(overlay, &NotchOverlayView::pointerMoved, pill, &SelectPill::pointerMoved);
        return pill;
    }
    }
    return nullptr;
}
