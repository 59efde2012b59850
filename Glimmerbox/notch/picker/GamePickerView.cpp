#include "notch/picker/GamePickerView.h"

#include "notch/picker/PickerGameRow.h"
#include "notch/picker/PickerSectionHeader.h"
#include "notch/picker/PinnedGameRow.h"
#include "notch/picker/RefreshControlView.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"

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

// One key per widget of the list, in list order: each section's header, its rows, its separator.
QStringList itemKeys(const QList<PickerSection>& sections) {
    QStringList keys;
    for (const PickerSection& section : sections) {
        const QString key = sectionKey(section);
        keys.append(key + QStringLiteral("/header"));
        for (const Game& game : section.games)
            keys.append(key + QStringLiteral("/game:") + game.id);
        keys.append(key + QStringLiteral("/end"));
    }
    return keys;
}

// Stands in for a row that has not been in view yet, at the row's height.
class UnbuiltRow final : public QWidget {
public:
    UnbuiltRow(const Game& game, bool pinned) : m_pinned(pinned) { setGame(game); }

    const Game& game() const { return m_game; }
    bool isPinned() const { return m_pinned; }
    void setGame(const Game& game) {
        m_game = game;
        setFixedHeight(m_pinned ? PinnedGameRow::heightFor(game) : PickerGameRow::heightFor(game));
    }

private:
    Game m_game;
    bool m_pinned;
};

} // namespace

GamePickerView::GamePickerView(AppState& appState, UserPreferences& preferences, Clock& clock,
                               Select selectGame, ModifierInput modifiers, QWidget* parent)
    : QWidget(parent), m_appState(appState), m_preferences(preferences), m_clock(clock),
      m_select(std::move(selectGame)), m_modifiers(std::move(modifiers)),
      m_refresh(clock, [&appState] { return appState.freshFetch(); }) {
    auto* list = new QWidget;
    m_layout = new QVBoxLayout(list);
    m_layout->setContentsMargins(0, 0, 0, listBottomPadding);
    // Sections stand 2 apart (the separator ends each one); rows inside a section touch.
    m_layout->setSpacing(0);
    m_layout->addWidget(new RefreshControlView(m_refresh, clock));
    m_layout->addSpacing(rowSpacing);
    m_layout->addStretch(1);

    m_scroll = new QScrollArea(this);
    m_scroll->setStyleSheet(QString::fromLatin1(scrollStyle));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(list);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, &GamePickerView::buildRowsInView);

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
    QStringList keys = itemKeys(m_sections);
    if (keys != m_keys) {
        m_keys = std::move(keys);
        rebuild();
        return;
    }
    // Same rows: hand each its fresh values, keeping hover state and scroll position.
    qsizetype index = 0;
    for (const PickerSection& section : m_sections) {
        static_cast<PickerSectionHeader*>(m_widgets[index++])->setSection(section);
        for (const Game& game : section.games) {
            QWidget* widget = m_widgets[index++];
            if (auto* unbuilt = dynamic_cast<UnbuiltRow*>(widget))
                unbuilt->setGame(game);
            else
                static_cast<PickerCardRow*>(widget)->setGame(game);
        }
        ++index; // separator
    }
    updateGeometry();
    emit contentHeightChanged();
    scheduleRowsInView(); // a row above may have grown or shrunk
}

void GamePickerView::rebuild() {
    // A row may be rebuilt away from inside its own click (choosing or unpinning a game changes the pins),
    // so the old widgets go once that event has returned.
    for (QWidget* widget : std::as_const(m_widgets)) {
        m_layout->removeWidget(widget);
        widget->hide();
        widget->deleteLater();
    }
    m_widgets.clear();
    int position = 2; // after the refresh bar and its spacing
    // Shown at once: a layout would show a widget it takes in a visible list only on the next turn, and
    // until then count it as empty, so the list would measure too short.
    const auto insert = [&](QWidget* widget) {
        m_layout->insertWidget(position++, widget);
        widget->show();
        m_widgets.append(widget);
    };
    for (const PickerSection& section : m_sections) {
        insert(new PickerSectionHeader(section));
        for (const Game& game : section.games)
            insert(new UnbuiltRow(game, section.kind == PickerSection::Kind::pinned));
        insert(new PickerSeparator);
    }
    updateGeometry();
    emit contentHeightChanged();
    m_hoverAfterBuild = true;
    scheduleRowsInView();
}

QWidget* GamePickerView::makeRow(const Game& game, bool pinned) {
    if (pinned)
        return new PinnedGameRow(game, m_select, m_appState, m_clock);
    return new PickerGameRow(game, m_select, m_clock, m_modifiers);
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
            buildRowsInView();
            if (std::exchange(m_hoverAfterBuild, false))
                hoverRowUnderPointer();
        },
        Qt::QueuedConnection);
}

void GamePickerView::buildRowsInView() {
    // Nothing is built while hidden.
    if (!isVisible())
        return;
    // Where each item stands follows from the heights above it, whether or not the layout has placed it.
    const int viewTop = m_scroll->verticalScrollBar()->value();
    const int viewBottom =
        viewTop + std::max(m_scroll->viewport()->height(), std::min(listHeight(), maximumListHeight));
    int y = m_layout->itemAt(0)->sizeHint().height() + rowSpacing; // below the refresh bar
    for (QWidget*& widget : m_widgets) {
        auto* unbuilt = dynamic_cast<UnbuiltRow*>(widget);
        const int height = unbuilt ? unbuilt->minimumHeight() : widget->sizeHint().height();
        const bool inView = y < viewBottom && y + height > viewTop;
        y += height;
        if (!unbuilt || !inView)
            continue;
        QWidget* row = makeRow(unbuilt->game(), unbuilt->isPinned());
        delete m_layout->replaceWidget(unbuilt, row);
        row->show();
        unbuilt->hide();
        unbuilt->deleteLater();
        widget = row;
    }
}

void GamePickerView::hoverRowUnderPointer() {
    if (!isVisible())
        return;
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    const QPoint global = QCursor::pos();
    const QPoint local = top->mapFromGlobal(global);
    QWidget* under = top->childAt(local);
    while (under && !m_widgets.contains(under))
        under = under->parentWidget();
    auto* row = qobject_cast<PickerCardRow*>(under);
    if (!handle || !row || row->isHovered())
        return;
    QMouseEvent move(QEvent::MouseMove, local, local, global, Qt::NoButton, QGuiApplication::mouseButtons(),
                     QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(handle, &move);
}

QList<QWidget*> GamePickerView::rowWidgets() const {
    QList<QWidget*> rows;
    for (QWidget* widget : m_widgets) {
        if (qobject_cast<PickerCardRow*>(widget))
            rows.append(widget);
    }
    return rows;
}

int GamePickerView::listHeight() const {
    return m_layout->sizeHint().height();
}

QSize GamePickerView::sizeHint() const {
    return {380, std::min(listHeight(), maximumListHeight) + paddingTop + paddingBottom};
}
