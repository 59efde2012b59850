#include "AdvancedSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

AdvancedSettingsView::AdvancedSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller), m_form(new SettingsForm(this, controller)) {
    QGroupBox* cache = m_form->addSection(QStringLiteral("Cache"));
    m_form->addStepper(cache, "cacheExpirationHours",
                       {QStringLiteral("Cache expiration: "), QStringLiteral(" hours"), 1, 168});
    QPushButton* clear = m_form->addButton(cache, QStringLiteral("Clear Cache Now"));
    connect(clear, &QPushButton::clicked, &controller, &SettingsController::clearCache);

    QGroupBox* debug = m_form->addSection(QStringLiteral("Debug"));
    m_form->addToggle(debug, QStringLiteral("Debug mode (verbose logging)"), "debugMode");

    QGroupBox* data = m_form->addSection(QStringLiteral("Data"));
    QPushButton* reset = m_form->addButton(data, QStringLiteral("Reset All Preferences"));
    reset->setStyleSheet(QStringLiteral("color: #FF453A;"));
    connect(reset, &QPushButton::clicked, this, [this] { confirmReset()->open(); });
    m_form->refresh();
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
