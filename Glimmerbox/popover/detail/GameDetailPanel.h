#pragma once

#include "popover/detail/DetailPanelContent.h"
#include "popover/detail/DetailPanelState.h"
#include "popover/detail/DetailTab.h"

#include <QWidget>

class QLabel;
class QToolButton;
class QVBoxLayout;

// The 420-wide detail panel: the header (close, league chip, refresh), then the loading view, the error
// view or the scoreboard with the tab bar and the selected tab. It draws the state it is given and
// forwards the refresh and retry presses; it loads nothing itself.
class GameDetailPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelWidth = 420;
    static constexpr int bodyHeight = 600;

    explicit GameDetailPanel(QWidget* parent = nullptr);

    void setState(const DetailPanelState& state);
    void selectTab(DetailTab tab);

    DetailTab selectedTab() const { return m_selectedTab; }
    DetailBody body() const { return m_body; }
    bool isRefreshEnabled() const;
    // The header's refresh button, for the tests that press it.
    QToolButton* refreshButton() const { return m_refresh; }

signals:
    void refreshRequested();

private:
    void buildHeader();
    void updateHeader();
    void requestRefresh();
    void rebuildBody();
    QWidget* tabContent();

    DetailPanelState m_state;
    DetailTab m_selectedTab = DetailTab::summary;
    DetailBody m_body = DetailBody::content;
    QLabel* m_chip = nullptr;
    QWidget* m_bodyWidget = nullptr;
    QToolButton* m_refresh = nullptr;
    QVBoxLayout* m_layout = nullptr;
};
