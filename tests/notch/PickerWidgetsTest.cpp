#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "notch/GamePickerView.h"
#include "notch/NotchViewModel.h"
#include "notch/PickerGameRow.h"
#include "notch/PinnedGameRow.h"
#include "notch/SelectControl.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PickerWidgetsTest : public ::testing::Test, protected StubAppState {
protected:
    PickerWidgetsTest() { preferences.setEnabledLeagues({"nba", "nhl"}); }

    Game game(const QString& id, const QString& league, GameStatus status) {
        return withStatus(testGame(id, league, clock.now()), status);
    }

    std::unique_ptr<GamePickerView> makePicker() {
        auto picker = std::make_unique<GamePickerView>(
            state, preferences, clock, [this](const Game& chosen) { selected.append(chosen.id); },
            [this] { return modifiers; });
        picker->setAttribute(Qt::WA_DontShowOnScreen);
        picker->resize(380, picker->sizeHint().height());
        picker->show();
        return picker;
    }

    QStringList selected;
    Qt::KeyboardModifiers modifiers;
};

QStringList rowIds(const GamePickerView& picker) {
    QStringList ids;
    for (QWidget* row : picker.rowWidgets()) {
        if (auto* pinned = qobject_cast<PinnedGameRow*>(row))
            ids.append("pin:" + pinned->game().id);
        else
            ids.append(static_cast<PickerGameRow*>(row)->game().id);
    }
    return ids;
}

} // namespace

TEST_F(PickerWidgetsTest, ListsEverySectionAndFollowsTheStateInPlace) {
    const Game live = game("live", "nba", GameStatus::inProgress);
    state.setGames({{"nba", {game("later", "nba", GameStatus::scheduled), live}}, {"nhl", {}}});
    state.setPinnedGames({live});
    auto picker = makePicker();
    EXPECT_EQ(rowIds(*picker), (QStringList{"pin:live", "live", "live", "later"}));

    // A refresh that keeps the same rows updates them without rebuilding.
    QWidget* firstRow = picker->rowWidgets().first();
    Game scored = live;
    scored.homeScore = 3;
    state.setPinnedGames({scored});
    EXPECT_EQ(picker->rowWidgets().first(), firstRow);
    EXPECT_EQ(static_cast<PinnedGameRow*>(firstRow)->game().homeScore, 3);

    state.setPinnedGames({});
    EXPECT_EQ(rowIds(*picker), (QStringList{"live", "live", "later"}));
}

TEST_F(PickerWidgetsTest, TheListScrollsBeyondFourHundredPixels) {
    QList<Game> many;
    for (int i = 0; i < 20; ++i)
        many.append(game(QString::number(i), "nba", GameStatus::scheduled));
    state.setGames({{"nba", many}});
    auto picker = makePicker();
    EXPECT_GT(picker->listHeight(), GamePickerView::maximumListHeight);
    processPendingEvents();
    EXPECT_GT(picker->scrollArea().verticalScrollBar()->maximum(), 0);
}

TEST_F(PickerWidgetsTest, AClickSelectsAndCtrlSelectsOnlyWhileHovered) {
    state.setGames({{"nba", {game("a", "nba", GameStatus::scheduled)}}});
    auto picker = makePicker();
    auto* row = static_cast<PickerGameRow*>(picker->rowWidgets().first());
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
    EXPECT_EQ(selected, QStringList{"a"});

    row->handleRowHover(true);
    modifiers = Qt::ControlModifier;
    clock.advanceSeconds(0.05);
    EXPECT_EQ(selected, (QStringList{"a", "a"}));
    // Another modifier while Ctrl stays down selects again; releasing them selects nothing.
    modifiers = Qt::ControlModifier | Qt::ShiftModifier;
    clock.advanceSeconds(0.05);
    EXPECT_EQ(selected.size(), 3);
    modifiers = {};
    clock.advanceSeconds(0.05);
    EXPECT_EQ(selected.size(), 3);

    row->handleRowHover(false);
    modifiers = {};
    clock.advanceSeconds(0.05);
    modifiers = Qt::ControlModifier;
    clock.advanceSeconds(0.05);
    EXPECT_EQ(selected.size(), 3);
    EXPECT_FALSE(row->isWatchingModifiers());
}

TEST_F(PickerWidgetsTest, UnpinButtonRemovesInPlaceWithoutSelecting) {
    const Game first = game("one", "nba", GameStatus::scheduled);
    const Game second = game("two", "nba", GameStatus::scheduled);
    state.setPinnedGames({first, second});
    QSignalSpy pinsChanged(&state, &AppState::pinnedGamesChanged);
    auto picker = makePicker();
    auto* row = static_cast<PinnedGameRow*>(picker->rowWidgets().first());
    QTest::mouseClick(row, Qt::LeftButton, {}, row->unpinButtonRect().center().toPoint());
    EXPECT_TRUE(selected.isEmpty());
    EXPECT_EQ(idsOf(state.pinnedGames()), QStringList{"two"});
    EXPECT_EQ(pinsChanged.count(), 1);

    // The game part selects and leaves the pins alone.
    row = static_cast<PinnedGameRow*>(picker->rowWidgets().first());
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(40, row->height() / 2));
    EXPECT_EQ(selected, QStringList{"two"});
}

TEST_F(PickerWidgetsTest, UnpinHoverEasesTheButtonColoursInAboutAQuarterSecond) {
    PinnedGameRow row(
        game("a", "nba", GameStatus::scheduled), [](const Game&) {}, state, clock);
    row.setUnpinHovered(true);
    EXPECT_LT(row.unpinHoverBlend(), 0.05);
    clock.advanceSeconds(0.08);
    EXPECT_GT(row.unpinHoverBlend(), 0.3);
    clock.advanceSeconds(0.2);
    EXPECT_NEAR(row.unpinHoverBlend(), 1.0, 0.01);
}

TEST_F(PickerWidgetsTest, SelectHoverOpensTheJumboPickerOnlyAfterHalfASecond) {
    NotchViewModel model{state, api, preferences, clock};
    SelectControl select([&] { model.scheduleJumboExpand(); }, [&] { model.cancelJumboExpand(); });
    const QRectF pill(100, 100, 60, 20);
    select.pointerMoved(QPointF(110, 110), pill);
    clock.advanceSeconds(0.4);
    select.pointerMoved(QPointF(10, 10), pill);
    clock.advanceSeconds(1.0);
    EXPECT_FALSE(model.isJumboExpanded());

    select.pointerMoved(QPointF(110, 110), pill);
    select.pointerMoved(QPointF(111, 110), pill); // moving inside does not re-arm
    clock.advanceSeconds(0.5);
    EXPECT_TRUE(model.isJumboExpanded());
    select.pointerMoved(std::nullopt, pill);
    EXPECT_TRUE(model.isJumboExpanded());
}
