#include "AppearanceSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "model/UserPreferences.h"

#include <QCheckBox>
#include <QGroupBox>

AppearanceSettingsView::AppearanceSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent) {
    auto* form = new SettingsForm(this, controller);
    UserPreferences& prefs = controller.prefs();

    QGroupBox* display = form->addSection(QStringLiteral("Display"));
    form->addToggle(display, QStringLiteral("Show team logos"), "showTeamLogos");
    form->addToggle(display, QStringLiteral("Show team colors"), "showTeamColors");
    form->addToggle(display, QStringLiteral("Compact mode"), "compactMode");

    QGroupBox* overlay = form->addSection(QStringLiteral("Overlay Bar (Top of Screen)"));
    form->addToggle(overlay, QStringLiteral("Use notch display"), "useNotch");
    QCheckBox* expand = form->addToggle(overlay, QStringLiteral("Expand on hover"), "notchExpandOnHover");
    form->follow([expand, &prefs] { expand->setEnabled(prefs.useNotch()); });
    form->refresh();
}
