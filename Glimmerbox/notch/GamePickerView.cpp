#include "GamePickerView.h"

#include "PickerGameRow.h"
#include "PickerSectionHeader.h"
#include "PinnedGameRow.h"
#include "RefreshControlView.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

// One widget of the list with what it shows: a header, a row of a section, or a separator.
struct GamePickerView::Item {
    QString key;
    QWidget* widget;
};

namespace {

// The list is opaque black like the panel behind it: on a translucent window a transparent scroll area
// would punch a hole through the panel.
const char* const scrollStyle =
    "QScrollArea, QScrollArea > QWidget, QScrollArea > QWidget > QWidget { background: black; border: none; }"
    "QScrollBar:vertical { background: black; width: 6px; margin: 2px 0; }"
    "QScrollBar::handle:vertical { background: rgba(255,255,255,70); "
    "border-radius: 3px; min-height: 20px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

QString sectionKey(const PickerSection& section) {
    switch (section.kind) {
    case PickerSection::Kind::pinned:
        return QStringLiteral("pinned");
    case PickerSection::Kind::liveNow:
        return QStringLiteral("live");
    case PickerSection::Kind::league:
        break;
    }
    return QStringLiteral("league:") + section.league->id;
}

} // namespace

GamePickerView::GamePickerView(AppState& appState, UserPreferences& preferences, Clock& clock,
                               Select selectGame, ModifierWatch::Query modifiers, QWidget* parent)
    : QWidget(parent), m_appState(appState), m_preferences(preferences), m_clock(clock),
      m_select(std::move(selectGame)), m_modifiers(std::move(modifiers)),
      m_refresh(std::make_unique<RefreshControlModel>(clock, [&appState] { return appState.freshFetch(); })) {
    m_list = new QWidget;
    m_layout = new QVBoxLayout(m_list);
    m_layout->setContentsMargins(0, 0, 0, listBottomPadding);
    // Sections stand 2 apart (the separator ends each one); rows inside a section touch.
    m_layout->setSpacing(0);
    m_layout->addWidget(new RefreshControlView(*m_refresh, clock));
    m_layout->addSpacing(rowSpacing);
    m_layout->addStretch(1);

    m_scroll = new QScrollArea(this);
    m_scroll->setStyleSheet(QString::fromLatin1(scrollStyle));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_list);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, paddingTop, 0, paddingBottom);
    outer->setSpacing(0);
    outer->addWidget(m_scroll);

    connect(&appState, &AppState::gamesChanged, this, &GamePickerView::reload);
    connect(&appState, &AppState::pinnedGamesChanged, this, &GamePickerView::reload);
    reload();
}

GamePickerView::~GamePickerView() = default;

QList<std::pair<QString, int>> GamePickerView::itemKeys(const QList<PickerSection>& sections) const {
    QList<std::pair<QString, int>> keys;
    for (int s = 0; s < sections.size(); ++s) {
        const QString key = sectionKey(sections[s]);
        keys.append({key + QStringLiteral("/header"), s});
        for (const Game& game : sections[s].games)
            keys.append({key + QStringLiteral("/game:") + game.id, s});
        keys.append({key + QStringLiteral("/end"), s});
    }
    return keys;
}

void GamePickerView::reload() {
    const QList<PickerSection> sections = PickerSections::build(
        m_appState.pinnedGames(), m_appState.games(), m_preferences.enabledLeagues(), m_clock.now());
    const auto keys = itemKeys(sections);
    bool same = keys.size() == qsizetype(m_items.size());
    for (qsizetype i = 0; same && i < keys.size(); ++i)
        same = keys[i].first == m_items[size_t(i)].key;
    m_sections = sections;
    if (!same) {
        rebuild();
        return;
    }
    // Same rows: hand each its fresh values, keeping hover state and scroll position.
    size_t index = 0;
    for (const PickerSection& section : m_sections) {
        static_cast<PickerSectionHeader*>(m_items[index++].widget)->setSection(section);
        for (const Game& game : section.games) {
            QWidget* widget = m_items[index++].widget;
            if (auto* pinned = qobject_cast<PinnedGameRow*>(widget))
                pinned->setGame(game);
            else
                static_cast<PickerGameRow*>(widget)->setGame(game);
        }
        ++index; // separator
    }
    updateGeometry();
    emit contentHeightChanged();
}

void GamePickerView::rebuild() {
    // A row may be rebuilt away from inside its own click (choosing or unpinning a game changes the pins),
    // so the old widgets go once that event has returned.
    for (Item& item : m_items) {
        m_layout->removeWidget(item.widget);
        item.widget->hide();
        item.widget->deleteLater();
    }
    m_items.clear();
    int position = 2; // after the refresh bar and its spacing
    const auto insert = [&](const QString& key, QWidget* widget) {
        m_layout->insertWidget(position++, widget);
        m_items.push_back({key, widget});
    };
    for (const PickerSection& section : m_sections) {
        const QString key = sectionKey(section);
        insert(key + QStringLiteral("/header"), new PickerSectionHeader(section));
        for (const Game& game : section.games) {
            QWidget* row = nullptr;
            if (section.kind == PickerSection::Kind::pinned)
                row = new PinnedGameRow(game, m_select, m_appState, m_clock);
            else
                row = new PickerGameRow(game, m_select, m_clock, m_modifiers);
            insert(key + QStringLiteral("/game:") + game.id, row);
        }
        insert(key + QStringLiteral("/end"), new PickerSeparator);
    }
    updateGeometry();
    emit contentHeightChanged();
}

QList<QWidget*> GamePickerView::rowWidgets() const {
    QList<QWidget*> rows;
    for (const Item& item : m_items) {
        if (qobject_cast<PickerGameRow*>(item.widget) || qobject_cast<PinnedGameRow*>(item.widget))
            rows.append(item.widget);
    }
    return rows;
}

int GamePickerView::listHeight() const {
    return m_layout->sizeHint().height();
}

QSize GamePickerView::sizeHint() const {
    return {380, std::min(listHeight(), maximumListHeight) + paddingTop + paddingBottom};
}
