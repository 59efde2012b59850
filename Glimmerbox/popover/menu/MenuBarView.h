#pragma once

#include <QSet>
#include <QWidget>

class QMenu;
class QScrollArea;
class QVBoxLayout;
struct PopoverServices;

// The popover's content: header with refresh and settings, the pinned games, the "Live Now" strip, one
// section per enabled league and a footer with the last refresh and the network state. Built when first
// shown, then rebuilt from the application state whenever it publishes (while hidden, once it is shown
// again); the sections' open or closed state survives the rebuilds, and a rebuild waits while a row's
// context menu is open.
class MenuBarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int popoverWidth = 360;
    static constexpr int popoverHeight = 500;

    explicit MenuBarView(PopoverServices& services, QWidget* parent = nullptr);

    // Rebuilds at once (the application state's changes rebuild on the next turn).
    void rebuild();
    void setSectionExpanded(const QString& leagueId, bool isExpanded);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scheduleRebuild();
    // The context menu of a row that is open now, if any.
    QMenu* openRowMenu() const;
    QWidget* buildHeader();
    QWidget* buildLiveNow();
    QWidget* buildSections();
    QWidget* buildFooter();

    PopoverServices& m_services;
    QSet<QString> m_collapsedLeagues;
    QWidget* m_content = nullptr;
    QScrollArea* m_scroll = nullptr;
    bool m_rebuildPending = false;
    bool m_outOfDate = false;
};
