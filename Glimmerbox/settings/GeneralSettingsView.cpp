#include "GeneralSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "model/MenuBarDisplayMode.h"
#include "model/UserPreferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QList<PickerRow> displayModeRows() {
    const QStringList texts{QStringLiteral("Score Only"), QStringLiteral("Score with Logos"),
                            QStringLiteral("Icon Only"), QStringLiteral("Team Abbreviations"),
                            QStringLiteral("Compact")};
    QList<PickerRow> rows;
    for (const MenuBarDisplayMode mode : allMenuBarDisplayModes())
        rows.append({texts.at(rows.size()), QVariant::fromValue(mode)});
    return rows;
}

const QList<PickerRow> normalIntervals{
    {QStringLiteral("10 seconds"), 10.0}, {QStringLiteral("30 seconds"), 30.0},
    {QStringLiteral("1 minute"), 60.0},   {QStringLiteral("2 minutes"), 120.0},
    {QStringLiteral("5 minutes"), 300.0},
};
const QList<PickerRow> liveIntervals{
    {QStringLiteral("5 seconds"), 5.0},
    {QStringLiteral("10 seconds"), 10.0},
    {QStringLiteral("15 seconds"), 15.0},
    {QStringLiteral("30 seconds"), 30.0},
};

} // namespace

GeneralSettingsView::GeneralSettingsView(SettingsController& controller, QWidget* parent) : QWidget(parent) {
    auto* form = new SettingsForm(this, controller);
    UserPreferences& prefs = controller.prefs();

    // "Show in Dock" has no counterpart: a tray application has no taskbar entry of its own.
    QGroupBox* startup = form->addSection(QStringLiteral("Startup"));
    form->addToggle(startup, QStringLiteral("Launch at login"), "launchAtLogin");
    QLabel* loginProblem = form->addNote(startup, {});
    loginProblem->setForegroundRole(QPalette::NoRole);
    loginProblem->setStyleSheet(QStringLiteral("color: #FF453A;"));
    form->follow([loginProblem, &controller] {
        loginProblem->setText(controller.launchAtLoginProblem());
        SettingsForm::setRowVisible(loginProblem, !controller.launchAtLoginProblem().isEmpty());
    });
    connect(&controller, &SettingsController::launchAtLoginProblemChanged, form, &SettingsForm::refresh);

    QGroupBox* updates = form->addSection(QStringLiteral("Updates"));
    auto* automatic = new QCheckBox(QStringLiteral("Automatically check for updates"), updates);
    form->addRow(updates, automatic);
    connect(automatic, &QCheckBox::clicked, &controller,
            &SettingsController::setAutomaticallyChecksForUpdates);
    connect(&controller, &SettingsController::automaticallyChecksForUpdatesChanged, form,
            &SettingsForm::refresh);
    form->follow([automatic, &controller] {
        const QSignalBlocker quiet(automatic);
        automatic->setChecked(controller.automaticallyChecksForUpdates());
    });
    QPushButton* check = form->addButton(updates, QStringLiteral("Check for Updates…"));
    connect(check, &QPushButton::clicked, &controller, &SettingsController::checkForUpdates);

    QGroupBox* menuBar = form->addSection(QStringLiteral("Menu Bar"));
    form->addPicker(menuBar, QStringLiteral("Display mode"), "menuBarDisplayMode", displayModeRows());
    form->addToggle(menuBar, QStringLiteral("Hide when no games"), "hideWhenNoGames");
    form->addStepper(menuBar, "maxPinnedGames",
                     {QStringLiteral("Max pinned games: "), {}, UserPreferences::maxPinnedGamesRange});

    QGroupBox* autoFollow = form->addSection(QStringLiteral("Auto-Follow"));
    form->addToggle(autoFollow, QStringLiteral("Auto-follow favorite teams"), "autoFollowFavorites")
        ->setToolTip(QStringLiteral("Automatically pin live games featuring your favorite teams"));

    QGroupBox* busy = form->addSection(QStringLiteral("Busy Mode"));
    form->addToggle(busy, QStringLiteral("Enable busy mode"), "busyMode")
        ->setToolTip(
            QStringLiteral("No popups or celebrations. Shows only the idle notch bar. No auto-rotate — "
                           "swipe manually to switch games."));
    QLabel* busyHint = form->addNote(
        busy, QStringLiteral("Popups, celebrations, and auto-rotate are suppressed. Swipe to switch games."));
    form->follow([busyHint, &prefs] { SettingsForm::setRowVisible(busyHint, prefs.busyMode()); });

    QGroupBox* refresh = form->addSection(QStringLiteral("Refresh"));
    form->addPicker(refresh, QStringLiteral("Normal interval"), "refreshInterval", normalIntervals);
    form->addToggle(refresh, QStringLiteral("Faster refresh for live games"), "fasterRefreshWhenLive");
    QComboBox* live =
        form->addPicker(refresh, QStringLiteral("Live interval"), "liveRefreshInterval", liveIntervals);
    form->follow([live, &prefs] { SettingsForm::setRowVisible(live, prefs.fasterRefreshWhenLive()); });

    form->refresh();
}
