#pragma once

#include "model/Game.h"
#include "model/League.h"
#include "popover/menu/GameRowHeights.h"

#include <QSet>
#include <QWidget>

class QMenu;
class QScrollArea;
class QVBoxLayout;
class WindowedRows;
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
    static constexpr int sectionsMaximumHeight = 320;

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
    // One line of the league sections' list: a section's head, one of its games, or the divider after it.
    struct SectionLine {
        enum class Kind { head, game, divider };
        Kind kind;
        qsizetype section;
        qsizetype game = -1;
    };
    QWidget* makeSectionLine(qsizetype index, QWidget* parent);
    QList<int> sectionLineHeights();

    PopoverServices& m_services;
    QSet<QString> m_collapsedLeagues;
    QWidget* m_content = nullptr;
    QScrollArea* m_scroll = nullptr;
    // The enabled leagues, the games each one lists (none while closed), and the lines they make: only the
    // lines in view are built, so that a league of a thousand games costs the few rows on screen.
    QList<League> m_sectionLeagues;
    QList<QList<Game>> m_sectionGames;
    QList<SectionLine> m_sectionLines;
    WindowedRows* m_sectionRows = nullptr;
    GameRowHeights m_rowHeights;
    bool m_rebuildPending = false;
    bool m_outOfDate = false;
};
