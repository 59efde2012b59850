#include "notch/picker/GamePickerView.h"

#include "notch/picker/PickerGameRow.h"
#include "notch/picker/PickerSectionHeader.h"
#include "notch/picker/PinnedGameRow.h"
#include "notch/picker/RefreshControlView.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "platform/list/WindowedRows.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWindow>

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
                               Select selectGame, ModifierInput modifiers, QWidget* parent)
    : QWidget(parent), m_appState(appState), m_preferences(preferences), m_clock(clock),
      m_select(std::move(selectGame)), m_modifiers(std::move(modifiers)),
      m_refresh(clock, [&appState] { return appState.freshFetch(); }) {
    m_scroll = new QScrollArea(this);
    m_scroll->setStyleSheet(QString::fromLatin1(scrollStyle));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(true);
    // Only the rows in view are built: a league of a thousand games costs the dozen on screen.
    m_rows = new WindowedRows(*m_scroll,
                              [this](qsizetype index, QWidget* parent) { return makeItem(index, parent); });
    m_rows->setMinimumViewHeight(maximumListHeight);
    // Sections stand 2 apart (the separator ends each one); rows inside a section touch.
    m_rows->setTopWidget(new RefreshControlView(m_refresh, clock), rowSpacing);
    m_rows->setBottomMargin(listBottomPadding);
    // After the rows have followed the scroll (connected before this).
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &GamePickerView::followStillPointer);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, paddingTop, 0, paddingBottom);
    outer->setSpacing(0);
    outer->addWidget(m_scroll);

    connect(&appState, &AppState::gamesChanged, this, &GamePickerView::reload);
    connect(&appState, &AppState::pinnedGamesChanged, this, &GamePickerView::reload);
    reload();
}

void GamePickerView::reload() {
    m_sections = PickerSections::build(m_appState.pinnedGames(), m_appState.games(),
                                       m_preferences.enabledLeagues(), m_clock.now());
    // One key per line of the list, in list order: each section's header, its games, its separator.
    QList<Item> items;
    QStringList keys;
    for (qsizetype section = 0; section < m_sections.size(); ++section) {
        const QString key = sectionKey(m_sections[section]);
        items.append({Item::Kind::header, section});
        keys.append(key + QStringLiteral("/header"));
        const QList<Game>& games = m_sections[section].games;
        for (qsizetype game = 0; game < games.size(); ++game) {
            items.append({Item::Kind::game, section, game});
            keys.append(key + QStringLiteral("/game:") + games[game].id);
        }
        items.append({Item::Kind::separator, section});
        keys.append(key + QStringLiteral("/end"));
    }
    m_items = std::move(items);
    if (keys != m_keys) {
        m_keys = std::move(keys);
        rebuild();
        return;
    }
    // Same lines: the built ones take their fresh values, keeping hover state and scroll position.
    for (qsizetype index = 0; index < m_items.size(); ++index) {
        QWidget* built = m_rows->builtRow(index);
        if (!built)
            continue;
        const Item& item = m_items[index];
        if (item.kind == Item::Kind::header)
            static_cast<PickerSectionHeader*>(built)->setSection(m_sections[item.section]);
        else if (item.kind == Item::Kind::game)
            static_cast<PickerCardRow*>(built)->setGame(m_sections[item.section].games[item.game]);
    }
    m_rows->setHeights(itemHeights()); // a row above may have grown or shrunk
    updateGeometry();
    emit contentHeightChanged();
    m_followPointerAfterSync = true;
    scheduleRowsInView();
}

void GamePickerView::rebuild() {
    // A row may be rebuilt away from inside its own click (choosing or unpinning a game changes the pins):
    // the windowed rows let go of theirs once that event has returned.
    m_rows->reset(itemHeights());
    updateGeometry();
    emit contentHeightChanged();
    m_followPointerAfterSync = true;
    scheduleRowsInView();
}

QList<int> GamePickerView::itemHeights() const {
    QList<int> heights;
    heights.reserve(m_items.size());
    for (const Item& item : m_items) {
        const PickerSection& section = m_sections[item.section];
        switch (item.kind) {
        case Item::Kind::header:
            heights.append(PickerSectionHeader::heightFor(section.kind));
            break;
        case Item::Kind::game: {
            const Game& game = section.games[item.game];
            heights.append(section.kind == PickerSection::Kind::pinned ? PinnedGameRow::heightFor(game)
                                                                       : PickerGameRow::heightFor(game));
            break;
        }
        case Item::Kind::separator:
            heights.append(PickerSeparator::separatorHeight);
            break;
        }
    }
    return heights;
}

QWidget* GamePickerView::makeItem(qsizetype index, QWidget* parent) {
    const Item& item = m_items[index];
    const PickerSection& section = m_sections[item.section];
    switch (item.kind) {
    case Item::Kind::header:
        return new PickerSectionHeader(section, parent);
    case Item::Kind::game:
        return makeRow(section.games[item.game], section.kind == PickerSection::Kind::pinned, parent);
    case Item::Kind::separator:
        break;
    }
    return new PickerSeparator(parent);
}

QWidget* GamePickerView::makeRow(const Game& game, bool pinned, QWidget* parent) {
    if (pinned)
        return new PinnedGameRow(game, m_select, m_appState, m_clock, parent);
    return new PickerGameRow(game, m_select, m_clock, m_modifiers, parent);
}

void GamePickerView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    scheduleRowsInView();
}

void GamePickerView::scheduleRowsInView() {
    if (std::exchange(m_rowsInViewPending, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_rowsInViewPending = false;
            m_rows->sync();
            if (std::exchange(m_followPointerAfterSync, false)) {
                QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // the rows in their places
                followStillPointer();
            }
        },
        Qt::QueuedConnection);
}

std::optional<qsizetype> GamePickerView::gameLineAt(QPoint globalPosition) const {
    const QWidget* viewport = m_scroll->viewport();
    if (!viewport->rect().contains(viewport->mapFromGlobal(globalPosition)))
        return std::nullopt;
    const std::optional<qsizetype> line = m_rows->rowAt(m_rows->mapFromGlobal(globalPosition).y());
    if (!line || m_items[*line].kind != Item::Kind::game)
        return std::nullopt;
    return line;
}

void GamePickerView::followStillPointer() {
    if (!isVisible())
        return;
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    const QPoint global = QCursor::pos();
    const QPoint local = top->mapFromGlobal(global);
    // Leaving the window is the window's own crossing.
    if (!handle || !top->rect().contains(local))
        return;
    const std::optional<qsizetype> line = gameLineAt(global);
    QWidget* under = line ? m_rows->builtRow(*line) : nullptr;
    bool hoverHolds = true;
    for (QWidget* row : rowWidgets())
        hoverHolds = hoverHolds && static_cast<PickerCardRow*>(row)->isHovered() == (row == under);
    // A pinned row's unpin button follows the pointer's moves inside the row as well.
    if (hoverHolds && !qobject_cast<PinnedGameRow*>(under))
        return;
    QMouseEvent move(QEvent::MouseMove, local, local, global, Qt::NoButton, QGuiApplication::mouseButtons(),
                     QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(handle, &move);
}

QList<QWidget*> GamePickerView::rowWidgets() const {
    QList<QWidget*> rows;
    for (QWidget* widget : m_rows->builtRows()) {
        if (qobject_cast<PickerCardRow*>(widget))
            rows.append(widget);
    }
    return rows;
}

int GamePickerView::listHeight() const {
    return m_rows->totalHeight();
}

QSize GamePickerView::sizeHint() const {
    return {380, std::min(listHeight(), maximumListHeight) + paddingTop + paddingBottom};
}
