#include "popover/menu/MenuBarView.h"

#include "app/GameListing.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "popover/common/DotView.h"
#include "popover/common/PopoverStyle.h"
#include "popover/common/SpinnerView.h"
#include "popover/menu/GameRowView.h"
#include "popover/menu/LeagueSectionView.h"
#include "popover/menu/PinnedGamesView.h"
#include "popover/menu/PopoverContent.h"
#include "popover/menu/PopoverServices.h"

#include "platform/list/WindowedRows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace popoverstyle;

MenuBarView::MenuBarView(PopoverServices& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_rowHeights([this](const Game& game) -> QWidget* {
          return new GameRowView(game, false, m_services, m_sectionRows);
      }) {
    setFixedWidth(popoverWidth);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    popoverstyle::vbox(this, {});
    AppState& state = m_services.appState;
    const auto later = [this] { scheduleRebuild(); };
    connect(&state, &AppState::gamesChanged, this, later);
    connect(&state, &AppState::pinnedGamesChanged, this, later);
    connect(&state, &AppState::isLoadingChanged, this, later);
    connect(&state, &AppState::lastRefreshChanged, this, later);
    connect(&state, &AppState::isNetworkAvailableChanged, this, later);
    // Built when first shown: a popover that is never opened costs no widgets.
    m_outOfDate = true;
}

void MenuBarView::scheduleRebuild() {
    // Hidden, the popover only notes that it is out of date: rebuilding it at every refresh of the pinned
    // games was most of what the application did at rest.
    if (!isVisible()) {
        m_outOfDate = true;
        return;
    }
    // Coalesced, and never inside the handler of a button that the rebuild replaces.
    if (m_rebuildPending)
        return;
    m_rebuildPending = true;
    QMetaObject::invokeMethod(this, &MenuBarView::rebuild, Qt::QueuedConnection);
}

void MenuBarView::setSectionExpanded(const QString& leagueId, bool isExpanded) {
    if (isExpanded)
        m_collapsedLeagues.remove(leagueId);
    else
        m_collapsedLeagues.insert(leagueId);
    scheduleRebuild();
}

void MenuBarView::showEvent(QShowEvent* event) {
    if (m_outOfDate)
        rebuild();
    QWidget::showEvent(event);
}

QMenu* MenuBarView::openRowMenu() const {
    if (!m_content)
        return nullptr;
    for (QMenu* menu : m_content->findChildren<QMenu*>()) {
        if (menu->isVisible())
            return menu;
    }
    return nullptr;
}

void MenuBarView::rebuild() {
    m_rebuildPending = false;
    // A row owns its context menu: replacing the rows now would take an open menu away from under the
    // pointer. The rebuild waits for the menu to close (after its chosen action has run).
    if (QMenu* menu = openRowMenu()) {
        connect(menu, &QMenu::aboutToHide, this, &MenuBarView::scheduleRebuild, Qt::UniqueConnection);
        return;
    }
    m_outOfDate = false;
    const int scrolled = m_scroll ? m_scroll->verticalScrollBar()->value() : 0;
    delete m_content;
    m_content = new QWidget(this);
    auto* layout = popoverstyle::vbox(m_content, {}, 0);
    // The scroll area takes what room there is, up to its limit; what is left stays around the content,
    // not inside the header's or the footer's padding.
    layout->addStretch();
    layout->addWidget(buildHeader());
    layout->addWidget(divider(m_content));
    if (!m_services.appState.pinnedGames().isEmpty()) {
        layout->addWidget(new PinnedGamesView(m_services, m_content));
        layout->addWidget(divider(m_content));
    }
    if (QWidget* liveNow = buildLiveNow()) {
        layout->addWidget(liveNow);
        layout->addWidget(divider(m_content));
    }
    layout->addWidget(buildSections(), 1);
    layout->addWidget(divider(m_content));
    layout->addWidget(buildFooter());
    layout->addStretch();
    static_cast<QVBoxLayout*>(this->layout())->addWidget(m_content);
    // At once: a layout shows a child added to a visible widget only on a later turn.
    m_content->show();
    m_scroll->verticalScrollBar()->setValue(scrolled);
}

QWidget* MenuBarView::buildHeader() {
    auto* header = new QWidget(m_content);
    header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = popoverstyle::hbox(header, QMargins(12, 10, 12, 10), 8);
    layout->addWidget(symbol(QStringLiteral("sportscourt.fill"), headline, Tint::accent, header));
    layout->addWidget(label(QStringLiteral("Glimmerbox"), headline, QFont::Bold, Tint::primary, header));
    layout->addStretch();
    if (m_services.appState.isLoading()) {
        layout->addWidget(new SpinnerView(13, header));
    } else {
        QToolButton* refresh = symbolButton(QStringLiteral("arrow.clockwise"), caption, Tint::primary,
                                            QStringLiteral("Refresh scores"), header);
        // Runs detached; QCoro frees the task when it finishes.
        connect(refresh, &QToolButton::clicked, this, [this] { m_services.appState.freshFetch(); });
        layout->addWidget(refresh);
    }
    QToolButton* settings =
        symbolButton(QStringLiteral("gearshape"), caption, Tint::primary, QStringLiteral("Settings"), header);
    connect(settings, &QToolButton::clicked, this, [this] {
        if (m_services.showSettings)
            m_services.showSettings();
    });
    layout->addWidget(settings);
    return header;
}

QWidget* MenuBarView::buildLiveNow() {
    const AppState& state = m_services.appState;
    const QList<Game> live =
        popovercontent::liveNowGames(state.liveGamesOfEnabledLeagues(), state.pinnedGames());
    if (live.isEmpty())
        return nullptr;
    auto* strip = new QWidget(m_content);
    auto* layout = popoverstyle::vbox(strip, {}, 4);
    auto* title = new QHBoxLayout;
    title->setContentsMargins(12, 8, 12, 0);
    title->addWidget(new DotView(6, Tint::red, strip));
    title->addWidget(label(QStringLiteral("Live Now"), caption, QFont::Normal, Tint::secondary, strip));
    title->addStretch();
    layout->addLayout(title);
    for (const Game& game : live)
        layout->addWidget(
            new GameRowView(game, popovercontent::isPinned(game, state.pinnedGames()), m_services, strip));
    return strip;
}

QWidget* MenuBarView::buildSections() {
    m_scroll = new QScrollArea(m_content);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setMaximumHeight(sectionsMaximumHeight);
    m_sectionLeagues.clear();
    m_sectionGames.clear();
    m_sectionLines.clear();
    for (const League& league :
         gamelisting::enabledLeaguesInCatalogueOrder(m_services.preferences.enabledLeagues())) {
        const qsizetype section = m_sectionLeagues.size();
        m_sectionLeagues.append(league);
        m_sectionGames.append(
            m_collapsedLeagues.contains(league.id)
                ? QList<Game>()
                : gamelisting::liveThenScheduledThenFinal(m_services.appState.gamesFor(league)));
        m_sectionLines.append({SectionLine::Kind::head, section});
        for (qsizetype game = 0; game < m_sectionGames.last().size(); ++game)
            m_sectionLines.append({SectionLine::Kind::game, section, game});
        m_sectionLines.append({SectionLine::Kind::divider, section});
    }
    m_sectionRows = new WindowedRows(
        *m_scroll, [this](qsizetype index, QWidget* parent) { return makeSectionLine(index, parent); });
    m_sectionRows->setMinimumViewHeight(sectionsMaximumHeight);
    m_sectionRows->reset(sectionLineHeights());
    return m_scroll;
}

QWidget* MenuBarView::makeSectionLine(qsizetype index, QWidget* parent) {
    const SectionLine& line = m_sectionLines[index];
    switch (line.kind) {
    case SectionLine::Kind::head: {
        auto* head = new LeagueSectionView(m_sectionLeagues[line.section],
                                           !m_collapsedLeagues.contains(m_sectionLeagues[line.section].id),
                                           m_services, parent);
        connect(head, &LeagueSectionView::expandedToggled, this, &MenuBarView::setSectionExpanded);
        return head;
    }
    case SectionLine::Kind::game: {
        const Game& game = m_sectionGames[line.section][line.game];
        return new GameRowView(game, popovercontent::isPinned(game, m_services.appState.pinnedGames()),
                               m_services, parent);
    }
    case SectionLine::Kind::divider:
        break;
    }
    return divider(parent);
}

QList<int> MenuBarView::sectionLineHeights() {
    QList<int> heights;
    heights.reserve(m_sectionLines.size());
    const int dividerHeight = measuredHeight(divider(m_sectionRows));
    for (qsizetype index = 0; index < m_sectionLines.size(); ++index) {
        const SectionLine& line = m_sectionLines[index];
        switch (line.kind) {
        case SectionLine::Kind::head:
            // A few per popover: measured one by one.
            heights.append(measuredHeight(makeSectionLine(index, m_sectionRows)));
            break;
        case SectionLine::Kind::game:
            heights.append(m_rowHeights.heightOf(m_sectionGames[line.section][line.game]));
            break;
        case SectionLine::Kind::divider:
            heights.append(dividerHeight);
            break;
        }
    }
    return heights;
}

QWidget* MenuBarView::buildFooter() {
    const AppState& state = m_services.appState;
    auto* footer = new QWidget(m_content);
    footer->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = popoverstyle::hbox(footer, QMargins(12, 8, 12, 8));
    if (const std::optional<QString> updated =
            popovercontent::updatedText(state.lastRefresh(), state.clock().now()))
        layout->addWidget(label(*updated, caption2, QFont::Normal, Tint::secondary, footer));
    layout->addStretch();
    if (!state.isNetworkAvailable()) {
        layout->addWidget(symbol(QStringLiteral("wifi.slash"), caption2, Tint::orange, footer));
        layout->addWidget(label(QStringLiteral("Offline"), caption2, QFont::Normal, Tint::orange, footer));
    }
    return footer;
}
