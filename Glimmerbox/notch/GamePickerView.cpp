#include "GamePickerView.h"

#include "PickerGameRow.h"
#include "PickerSectionHeader.h"
#include "PinnedGameRow.h"
#include "RefreshControlView.h"

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
        for (const Game& game : section.games)
            static_cast<PickerCardRow*>(m_widgets[index++])->setGame(game);
        ++index; // separator
    }
    updateGeometry();
    emit contentHeightChanged();
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
    const auto insert = [&](QWidget* widget) {
        m_layout->insertWidget(position++, widget);
        m_widgets.append(widget);
    };
    for (const PickerSection& section : m_sections) {
        insert(new PickerSectionHeader(section));
        for (const Game& game : section.games) {
            if (section.kind == PickerSection::Kind::pinned)
                insert(new PinnedGameRow(game, m_select, m_appState, m_clock));
            else
                insert(new PickerGameRow(game, m_select, m_clock, m_modifiers));
        }
        insert(new PickerSeparator);
    }
    updateGeometry();
    emit contentHeightChanged();
    QMetaObject::invokeMethod(this, &GamePickerView::hoverRowUnderPointer, Qt::QueuedConnection);
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
