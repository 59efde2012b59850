#include "AppearanceSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "model/UserPreferences.h"

#include <QCheckBox>
#include <QGroupBox>

AppearanceSettingsView::AppearanceSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent), m_form(new SettingsForm(this, controller)) {
    UserPreferences& prefs = controller.prefs();

    QGroupBox* display = m_form->addSection(QStringLiteral("Display"));
    m_form->addToggle(display, QStringLiteral("Show team logos"), "showTeamLogos");
    m_form->addToggle(display, QStringLiteral("Show team colors"), "showTeamColors");
    m_form->addToggle(display, QStringLiteral("Compact mode"), "compactMode");

    QGroupBox* overlay = m_form->addSection(QStringLiteral("Overlay Bar (Top of Screen)"));
    m_form->addToggle(overlay, QStringLiteral("Use notch display"), "useNotch");
    QCheckBox* expand = m_form->addToggle(overlay, QStringLiteral("Expand on hover"), "notchExpandOnHover");
    m_form->follow([expand, &prefs] { expand->setEnabled(prefs.useNotch()); });
    m_form->refresh();
}
