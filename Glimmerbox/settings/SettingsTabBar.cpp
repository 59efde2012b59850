#include "SettingsTabBar.h"

#include "SettingsForm.h"
#include "platform/text/IconFont.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QToolButton>

namespace {
constexpr int symbolSize = 22;

QWidget* spacer(QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return widget;
}
} // namespace

SettingsTabBar::SettingsTabBar(QWidget* parent) : QToolBar(parent), m_group(new QActionGroup(this)) {
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(symbolSize, symbolSize));
    setFont(pixelFont(this, 11));
    m_group->setExclusive(true);

    addWidget(spacer(this));
    const QColor normal = palette().color(QPalette::WindowText);
    const QColor selected = palette().color(QPalette::Highlight);
    for (const SettingsTabInfo& info : allSettingsTabs()) {
        QIcon icon;
        icon.addPixmap(iconfont::pixmap(info.symbol, normal, symbolSize, devicePixelRatioF()), QIcon::Normal,
                       QIcon::Off);
        icon.addPixmap(iconfont::pixmap(info.symbol, selected, symbolSize, devicePixelRatioF()),
                       QIcon::Normal, QIcon::On);
        QAction* action = addAction(icon, info.title);
        action->setCheckable(true);
        action->setData(static_cast<int>(info.tab));
        m_group->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action)))
            button->setMinimumWidth(64);
        connect(action, &QAction::triggered, this, [this, tab = info.tab] {
            m_selected = tab;
            emit tabSelected(tab);
        });
    }
    addWidget(spacer(this));
    selectTab(m_selected);
}

void SettingsTabBar::selectTab(SettingsTab tab) {
    for (QAction* action : m_group->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(tab));
    if (m_selected == tab)
        return;
    m_selected = tab;
    emit tabSelected(tab);
}
