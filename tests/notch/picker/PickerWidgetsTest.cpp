#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "notch/picker/GamePickerView.h"
#include "notch/picker/PickerGameRow.h"
#include "notch/picker/PickerSectionHeader.h"
#include "notch/picker/PinnedGameRow.h"
#include "notch/picker/SelectControl.h"
#include "notch/state/NotchViewModel.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

namespace {

// Modifier key events that the test types.
class FakeModifierKeys final : public ModifierKeyEvents {
public:
    void tap(Qt::KeyboardModifier modifier) {
        emit modifierKeyChanged(modifier, true);
        emit modifierKeyChanged(modifier, false);
    }

protected:
    void setListening(bool) override {}
};

class PickerWidgetsTest : public ::testing::Test, protected StubAppState {
protected:
    PickerWidgetsTest() { preferences.setEnabledLeagues({"nba", "nhl"}); }

    Game game(const QString& id, const QString& league, GameStatus status) {
        return withStatus(testGame(id, league, clock.now()), status);
    }

    // `onScreen`: a real (offscreen) window that receives mouse events.
    std::unique_ptr<GamePickerView> makePicker(bool onScreen = false) {
        auto picker = std::make_unique<GamePickerView>(
            state, preferences, clock, [this](const Game& chosen) { selected.append(chosen.id); },
            ModifierInput{[this] { return modifiers; }});
        picker->setAttribute(Qt::WA_DontShowOnScreen, !onScreen);
        picker->resize(380, picker->sizeHint().height());
        picker->show();
        processPendingEvents(); // rows are built once the list is laid out
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
    processPendingEvents();
    EXPECT_EQ(rowIds(*picker), (QStringList{"live", "live", "later"}));
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
    processPendingEvents();
    row = static_cast<PinnedGameRow*>(picker->rowWidgets().first());
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(40, row->height() / 2));
    EXPECT_EQ(selected, QStringList{"two"});
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

namespace {

// The row alone, laid out at the picker's width and painted off screen.
template <typename Row>
void showRow(Row& row) {
    row.setAttribute(Qt::WA_DontShowOnScreen);
    QPalette black = row.palette();
    black.setColor(QPalette::Window, Qt::black); // the overlay's black behind the row
    row.setPalette(black);
    row.resize(380, row.sizeHint().height());
    row.show();
}

// The widest run of unlit columns between the first and the last lit one, across the row's middle band.
int widestDarkGap(const QImage& image) {
    const int top = image.height() / 3;
    const int bottom = 2 * image.height() / 3;
    const auto lit = [&](int x) {
        for (int y = top; y < bottom; ++y) {
            if (qGray(image.pixel(x, y)) > 60)
                return true;
        }
        return false;
    };
    int widest = 0;
    int lastLit = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (!lit(x))
            continue;
        if (lastLit >= 0)
            widest = std::max(widest, x - lastLit - 1);
        lastLit = x;
    }
    return widest;
}

} // namespace

TEST_F(PickerWidgetsTest, APinnedRowEasesItsUnpinHoverInAQuarterSecondAndSelectsFromItsGamePartOnly) {
    PinnedGameRow row(
        game("a", "nba", GameStatus::scheduled), [this](const Game& chosen) { selected.append(chosen.id); },
        state, clock);
    row.setUnpinHovered(true);
    EXPECT_LT(row.unpinHoverBlend(), 0.05);
    clock.advanceSeconds(0.08);
    EXPECT_GT(row.unpinHoverBlend(), 0.3);
    clock.advanceSeconds(0.2);
    EXPECT_NEAR(row.unpinHoverBlend(), 1.0, 0.01);

    // Not from its padding.
    showRow(row);
    const int middle = row.height() / 2;
    QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(6 + 8, middle));      // the card's side padding
    QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(row.width() / 2, 3)); // above the game
    QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(row.width() / 2, row.height() - 3)); // below it
    EXPECT_TRUE(selected.isEmpty());
    QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(6 + 16 + 4, middle));
    EXPECT_EQ(selected, QStringList{"a"});
}

TEST_F(PickerWidgetsTest, RowLogosTurnTheirSpinnerWhileTheyLoad) {
    UserPreferences::shared().setShowTeamLogos(true);
    Game loading = game("a", "nba", GameStatus::scheduled);
    loading.awayTeam.logoURL = QUrl("http://127.0.0.1:9/picker-row-logo.png"); // pending until events run
    PickerGameRow row(
        loading, [](const Game&) {}, clock);
    showRow(row);
    const QRect logo(6 + 16, 0, 16, row.height());
    const QImage before = row.grab().toImage().copy(logo);
    EXPECT_TRUE(row.isSpinning());
    clock.advanceSeconds(0.25);
    EXPECT_NE(row.grab().toImage().copy(logo), before) << "the arc moved on";

    Game plain = loading;
    plain.awayTeam.logoURL.reset();
    row.setGame(plain);
    row.grab();
    EXPECT_FALSE(row.isSpinning());
}

TEST_F(PickerWidgetsTest, ARaceRowKeepsSixASpacerAndSixBetweenItsSides) {
    Game race = game("r", "f1", GameStatus::scheduled);
    race.venue = QStringLiteral("Autodromo Internazionale del Mugello e della Toscana Centrale");
    for (auto form : {0, 1}) {
        std::unique_ptr<PickerCardRow> row;
        if (form == 0)
            row = std::make_unique<PickerGameRow>(
                race, [](const Game&) {}, clock);
        else
            row = std::make_unique<PinnedGameRow>(
                race, [](const Game&) {}, state, clock);
        showRow(*row);
        QImage image = row->grab().toImage();
        if (form == 1) // leave the unpin button out
            image = image.copy(0, 0, static_cast<PinnedGameRow*>(row.get())->unpinButtonRect().left() - 1,
                               image.height());
        EXPECT_GE(widestDarkGap(image), 6 + 8 + 6) << form;
    }
}

TEST_F(PickerWidgetsTest, ARebuildHoversTheRowThatComesUnderThePointer) {
    // Whether or not a move reached the row before the rebuild.
    for (const bool moved : {false, true}) {
        state.setPinnedGames({});
        state.setGames(
            {{"nba", {game("a", "nba", GameStatus::scheduled), game("b", "nba", GameStatus::scheduled)}}});
        auto picker = makePicker(true);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(picker.get()));
        processPendingEvents();
        auto* second = static_cast<PickerGameRow*>(picker->rowWidgets().at(1));
        QCursor::setPos(second->mapToGlobal(second->rect().center()));
        if (moved) {
            QTest::mouseMove(second, second->rect().center());
            ASSERT_TRUE(second->isHovered());
        }

        // A pin adds a section above: other rows now stand under the pointer.
        state.setPinnedGames({game("p", "nba", GameStatus::scheduled)});
        processPendingEvents();
        QWidget* under = picker->childAt(picker->mapFromGlobal(QCursor::pos()));
        while (under && !qobject_cast<PickerCardRow*>(under))
            under = under->parentWidget();
        ASSERT_TRUE(under);
        EXPECT_NE(under, second);
        int hovered = 0;
        for (QWidget* row : picker->rowWidgets())
            hovered += static_cast<PickerCardRow*>(row)->isHovered() ? 1 : 0;
        EXPECT_TRUE(static_cast<PickerCardRow*>(under)->isHovered()) << moved;
        EXPECT_EQ(hovered, 1) << moved;
    }
}

namespace {

// The picker's game row or header under a global point, if any.
QWidget* lineUnder(const GamePickerView& picker, QPoint global) {
    QWidget* under = picker.childAt(picker.mapFromGlobal(global));
    while (under && !qobject_cast<PickerCardRow*>(under) && !qobject_cast<PickerSectionHeader*>(under))
        under = under->parentWidget();
    return under;
}

QStringList hoveredIds(const GamePickerView& picker) {
    QStringList ids;
    for (QWidget* row : picker.rowWidgets()) {
        if (static_cast<PickerCardRow*>(row)->isHovered())
            ids.append(static_cast<PickerCardRow*>(row)->game().id);
    }
    return ids;
}

// One notch of the wheel, down the list, with the pointer still at `global`: given to the picker's window
// as the window system gives it, a spontaneous event (as QTest gives its key events), which goes up from
// the widget under the pointer to the one that scrolls.
void turnWheelDown(GamePickerView& picker, QPoint global) {
    QWindow* window = picker.window()->windowHandle();
    QWheelEvent wheel(QPointF(window->mapFromGlobal(global)), QPointF(global), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(window, &wheel);
    processPendingEvents();
}

} // namespace

TEST_F(PickerWidgetsTest, AfterTheWheelMovesTheListUnderAStillPointerCtrlChoosesWhatIsUnderThePointer) {
    QList<Game> nba;
    QList<Game> nhl;
    for (int i = 0; i < 14; ++i)
        nba.append(game(QStringLiteral("nba%1").arg(i), "nba", GameStatus::scheduled));
    for (int i = 0; i < 6; ++i)
        nhl.append(game(QStringLiteral("nhl%1").arg(i), "nhl", GameStatus::scheduled));
    state.setGames({{"nba", nba}, {"nhl", nhl}});
    auto picker = makePicker(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picker.get()));
    QCursor::setPos(picker->geometry().bottomRight() + QPoint(100, 100)); // away while the test looks around
    processPendingEvents();
    QScrollBar& scroll = *picker->scrollArea().verticalScrollBar();
    QWidget* viewport = picker->scrollArea().viewport();
    const int notch = QApplication::wheelScrollLines() * scroll.singleStep();

    // Where the NHL header stands in the list: the only header in view at the end of it.
    scroll.setValue(scroll.maximum());
    processPendingEvents();
    int headerMiddle = -1;
    for (const PickerSectionHeader* header : picker->findChildren<PickerSectionHeader*>()) {
        if (header->isVisible())
            headerMiddle = header->geometry().center().y();
    }
    ASSERT_GT(headerMiddle, 0);
    scroll.setValue(0);
    processPendingEvents();

    // The pointer rests on a game row that three notches bring the header under.
    const int headerNotches = 3;
    const QPoint pointer =
        viewport->mapToGlobal(QPoint(viewport->width() / 2, headerMiddle - headerNotches * notch));
    QCursor::setPos(pointer);
    processPendingEvents();
    auto* resting = qobject_cast<PickerGameRow*>(lineUnder(*picker, pointer));
    ASSERT_TRUE(resting);
    ASSERT_EQ(hoveredIds(*picker), QStringList{resting->game().id});

    for (int turned = 1; turned <= headerNotches + 2; ++turned) {
        const int before = scroll.value();
        turnWheelDown(*picker, pointer);
        ASSERT_EQ(scroll.value(), before + notch) << "the list moved a notch under the pointer";
        QWidget* under = lineUnder(*picker, pointer);
        auto* row = qobject_cast<PickerGameRow*>(under);
        if (turned == headerNotches)
            ASSERT_TRUE(qobject_cast<PickerSectionHeader*>(under)) << "the header came under the pointer";
        else
            ASSERT_TRUE(row) << turned;
        const QStringList expected = row ? QStringList{row->game().id} : QStringList{};
        EXPECT_EQ(hoveredIds(*picker), expected) << turned;

        // Ctrl, which the picker's hint offers, chooses the game under the pointer, and nothing over a
        // header.
        selected.clear();
        modifiers = Qt::ControlModifier;
        clock.advanceSeconds(0.05);
        modifiers = {};
        clock.advanceSeconds(0.05);
        EXPECT_EQ(selected, expected) << turned;
    }
}

TEST_F(PickerWidgetsTest, ACtrlTapTooShortForPollingSelectsTheHoveredRowFromTheKeyEvents) {
    FakeModifierKeys keys;
    PickerGameRow row(
        game("a", "nba", GameStatus::scheduled), [this](const Game& chosen) { selected.append(chosen.id); },
        clock, ModifierInput{[this] { return modifiers; }, &keys});
    keys.tap(Qt::ControlModifier);
    EXPECT_FALSE(keys.isListening()) << "nothing listens while the pointer is elsewhere";

    row.handleRowHover(true);
    EXPECT_TRUE(keys.isListening());
    EXPECT_EQ(clock.pendingCount(), 0) << "no polling beside the key events";
    keys.tap(Qt::ShiftModifier);
    EXPECT_TRUE(selected.isEmpty());
    keys.tap(Qt::ControlModifier); // pressed and released between two polls
    EXPECT_EQ(selected, QStringList{"a"});

    row.handleRowHover(false);
    EXPECT_FALSE(keys.isListening());
    keys.tap(Qt::ControlModifier);
    EXPECT_EQ(selected.size(), 1);
}

TEST_F(PickerWidgetsTest,
       AListOfThousandsBuildsOnlyTheRowsInViewWhereverItIsScrolledAndOnlyTheyTurnSpinners) {
    UserPreferences::shared().setShowTeamLogos(true);
    QTcpServer silent; // takes the logo's request and never answers: its rows keep a spinner
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QUrl logo(QStringLiteral("http://127.0.0.1:%1/picker-many-logo.png").arg(silent.serverPort()));
    constexpr int count = 5000;
    QList<Game> many;
    for (int i = 0; i < count; ++i) {
        Game scheduled = game(QString::number(i), "nba", GameStatus::scheduled);
        scheduled.awayTeam.logoURL = logo;
        many.append(scheduled);
    }
    state.setGames({{"nba", many}});
    auto picker = makePicker(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picker.get()));
    processPendingEvents();
    const int fullHeight = picker->listHeight();
    EXPECT_GT(fullHeight, count * 20) << "every game has its place in the list";
    QScrollBar& scroll = *picker->scrollArea().verticalScrollBar();
    EXPECT_GT(scroll.maximum(), count * 20);

    // The game whose row stands in the middle of the view, by what is there to click.
    const auto gameInMiddle = [&] {
        QWidget* viewport = picker->scrollArea().viewport();
        QWidget* under = viewport->childAt(viewport->rect().center());
        while (under && !qobject_cast<PickerGameRow*>(under))
            under = under->parentWidget();
        return under ? static_cast<PickerGameRow*>(under)->game().id.toInt() : -1;
    };
    for (const double at : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        scroll.setValue(int(at * scroll.maximum()));
        processPendingEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the rows that left the view
        picker->grab(); // painted: the rows in view load their logos
        const QStringList ids = rowIds(*picker);
        ASSERT_FALSE(ids.isEmpty()) << at;
        EXPECT_LT(ids.size(), 25) << at;
        EXPECT_LT(picker->findChildren<QWidget*>().size(), 50) << "widgets at " << at;
        // One run of games in list order, holding the one in the middle of the view.
        for (qsizetype i = 1; i < ids.size(); ++i)
            EXPECT_EQ(ids[i].toInt(), ids[i - 1].toInt() + 1) << at;
        const int middle = gameInMiddle();
        EXPECT_NEAR(middle, at * (count - 1), 12) << at;
        EXPECT_TRUE(ids.contains(QString::number(middle))) << at;
        int spinning = 0;
        for (const PickerCardRow* row : picker->findChildren<PickerCardRow*>())
            spinning += row->isSpinning() ? 1 : 0;
        EXPECT_LE(spinning, ids.size()) << at;
        EXPECT_GT(spinning, 0) << at;
    }
    EXPECT_EQ(rowIds(*picker).last(), QString::number(count - 1));
    EXPECT_EQ(picker->listHeight(), fullHeight);
}
