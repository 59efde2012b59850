#include "SettingsView.h"

#include "AdvancedSettingsView.h"
#include "AppearanceSettingsView.h"
#include "BuildInfo.h"
#include "CalendarSettingsView.h"
#include "FavoriteTeamsView.h"
#include "GeneralSettingsView.h"
#include "LeagueSettingsView.h"
#include "NotificationSettingsView.h"
#include "SettingsController.h"
#include "SettingsForm.h"
#include "SettingsTabBar.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QWidget* makeTabView(SettingsTab tab, SettingsController& controller) {
    switch (tab) {
    case SettingsTab::general:
        return new GeneralSettingsView(controller);
    case SettingsTab::leagues:
        return new LeagueSettingsView(controller);
    case SettingsTab::teams:
        return new FavoriteTeamsView(controller);
    case SettingsTab::notifications:
        return new NotificationSettingsView(controller);
    case SettingsTab::appearance:
        return new AppearanceSettingsView(controller);
    case SettingsTab::calendar:
        return new CalendarSettingsView(controller);
    case SettingsTab::advanced:
        return new AdvancedSettingsView(controller);
    }
    return new QWidget;
}

} // namespace

SettingsView::SettingsView(SettingsServices services, QWidget* parent)
    : QWidget(parent), m_controller(new SettingsController(services, this)),
      m_tabBar(new SettingsTabBar(this)), m_tabs(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabBar);
    for (const SettingsTabInfo& info : allSettingsTabs())
        m_tabs->addWidget(makeTabView(info.tab, *m_controller));
    layout->addWidget(m_tabs, 1);
    connect(m_tabBar, &SettingsTabBar::tabSelected, this,
            [this](SettingsTab tab) { m_tabs->setCurrentIndex(static_cast<int>(tab)); });
    m_tabs->setCurrentIndex(static_cast<int>(m_tabBar->selectedTab()));
    m_tabs->currentWidget()->setFocus();

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    auto* footer = new QLabel(
        versionText(QString::fromLatin1(BuildInfo::version), QString::fromLatin1(BuildInfo::buildNumber)),
        this);
    footer->setContentsMargins(16, 6, 16, 6);
    footer->setForegroundRole(QPalette::PlaceholderText);
    footer->setFont(pixelFont(footer, 10));
    layout->addWidget(footer);
}

SettingsTab SettingsView::selectedTab() const {
    return m_tabBar->selectedTab();
}

void SettingsView::selectTab(SettingsTab tab) {
    m_tabBar->selectTab(tab);
}

QWidget* SettingsView::tabView(SettingsTab tab) const {
    return m_tabs->widget(static_cast<int>(tab));
}

void SettingsView::hideEvent(QHideEvent* event) {
    // Closing the window keeps what was changed in it even if the application is killed later. A minimised
    // window is hidden by the system (a spontaneous event) and saves nothing.
    if (!event->spontaneous())
        m_controller->save();
    QWidget::hideEvent(event);
}

QString SettingsView::versionText(const QString& appVersion, const QString& buildNumber) {
    return QStringLiteral("Glimmerbox v%1 (%2)")
        .arg(appVersion.isEmpty() ? QStringLiteral("1.0.0") : appVersion,
             buildNumber.isEmpty() ? QStringLiteral("1") : buildNumber);
}
