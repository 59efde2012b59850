#pragma once

#include "notch/picker/PickerSections.h"
#include "notch/picker/RefreshControlModel.h"
#include "notch/window/ModifierWatch.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class AppState;
class QScrollArea;
class UserPreferences;
class WindowedRows;

// The overlay's game picker: the refresh bar, then Pinned, Live Now and one section per enabled league, in a
// scroll area at most 400 high. Rows select through `selectGame`; pinned rows unpin in place. Each host
// builds its own picker, so two pickers share neither refresh progress nor cool-down.
class GamePickerView : public QWidget {
    Q_OBJECT
public:
    using Select = std::function<void(const Game&)>;
    static constexpr int maximumListHeight = 400;
    static constexpr int paddingTop = 6;
    static constexpr int paddingBottom = 10;
    static constexpr int listBottomPadding = 4;
    static constexpr int rowSpacing = 2;

    GamePickerView(AppState& appState, UserPreferences& preferences, Clock& clock, Select selectGame,
                   ModifierInput modifiers = {}, QWidget* parent = nullptr);

    QScrollArea& scrollArea() const { return *m_scroll; }
    RefreshControlModel& refreshControl() { return m_refresh; }
    // The game rows built now, in list order (pinned rows and game rows): those in view.
    QList<QWidget*> rowWidgets() const;
    // Full height of the list inside the scroll area.
    int listHeight() const;

    // Reads the state again and updates the rows: in place when the same rows remain, else rebuilt.
    void reload();

    QSize sizeHint() const override;

signals:
    // The picker's height changed.
    void contentHeightChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One line of the list below the refresh bar: a section's header, one of its games, or the separator
    // that ends it.
    struct Item {
        enum class Kind { header, game, separator };
        Kind kind;
        qsizetype section;
        qsizetype game = -1;
    };

    void rebuild();
    // The rows in view are built once the list is laid out, on the next turn of the event loop; after a
    // reload, the row under the pointer is then hovered.
    void scheduleRowsInView();
    QWidget* makeItem(qsizetype index, QWidget* parent);
    QWidget* makeRow(const Game& game, bool pinned, QWidget* parent);
    QList<int> itemHeights() const;
    // The game row, built or not, under a global point as the list stands scrolled now: its line of the
    // list (counting the headers and separators), or none over a header, a separator, the refresh bar or
    // outside the list's view.
    std::optional<qsizetype> gameLineAt(QPoint globalPosition) const;
    // A still pointer gets no enter or leave events while the list moves or is rebuilt under it: when the
    // hovered row is no longer the one under the pointer (or none, over a header), the pointer is played to
    // the window as a move, so that the row under it is hovered, the one it left is not, and Ctrl chooses
    // the right game.
    void followStillPointer();

    AppState& m_appState;
    UserPreferences& m_preferences;
    Clock& m_clock;
    Select m_select;
    ModifierInput m_modifiers;
    RefreshControlModel m_refresh;
    QScrollArea* m_scroll = nullptr;
    WindowedRows* m_rows = nullptr;
    QList<PickerSection> m_sections;
    // What each line of the list stands for, so that a reload showing the same lines updates the built
    // rows in place.
    QList<Item> m_items;
    QStringList m_keys;
    bool m_rowsInViewPending = false;
    bool m_followPointerAfterSync = false; // the rows were reloaded: hover the one under the pointer
};
