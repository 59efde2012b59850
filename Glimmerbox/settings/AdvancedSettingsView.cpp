#include "AdvancedSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "model/UserPreferences.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

AdvancedSettingsView::AdvancedSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller) {
    auto* form = new SettingsForm(this, controller);
    QGroupBox* cache = form->addSection(QStringLiteral("Cache"));
    form->addStepper(cache, "cacheExpirationHours",
                     {QStringLiteral("Cache expiration: "), QStringLiteral(" hours"),
                      UserPreferences::cacheExpirationHoursRange});
    QPushButton* clear = form->addButton(cache, QStringLiteral("Clear Cache Now"));
    connect(clear, &QPushButton::clicked, &controller, &SettingsController::clearCache);

    QGroupBox* debug = form->addSection(QStringLiteral("Debug"));
    form->addToggle(debug, QStringLiteral("Debug mode (verbose logging)"), "debugMode");

    QGroupBox* data = form->addSection(QStringLiteral("Data"));
    QPushButton* reset = form->addButton(data, QStringLiteral("Reset All Preferences"));
    reset->setStyleSheet(QStringLiteral("color: #FF453A;"));
    connect(reset, &QPushButton::clicked, this, [this] { confirmReset()->open(); });
    form->refresh();
}

QMessageBox* AdvancedSettingsView::confirmReset() {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Reset All Preferences?"),
                                QStringLiteral("Reset All Preferences?"), QMessageBox::Cancel, this);
    box->setInformativeText(QStringLiteral("Every setting returns to its default and the pinned games are "
                                           "cleared. This cannot be undone."));
    QPushButton* confirm = box->addButton(QStringLiteral("Reset"), QMessageBox::DestructiveRole);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(confirm, &QPushButton::clicked, &m_controller, &SettingsController::resetAllPreferences);
    return box;
}
