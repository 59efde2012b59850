// The widgets wired to their models: the popover's strips and sections, a row's menu and copy, and the
// detail view across a load.
#include "ChildWithText.h"
#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "notch/panels/TeamLogoView.h"
#include "popover/detail/GameDetailPanel.h"
#include "popover/detail/GameDetailView.h"
#include "popover/menu/GameRowView.h"
#include "popover/menu/LeagueSectionView.h"
#include "popover/menu/MenuBarView.h"
#include "popover/menu/PinnedGamesView.h"
#include "popover/menu/PopoverServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PopoverViewsTest : public ::testing::Test {
protected:
    PopoverViewsTest() { app.preferences.setEnabledLeagues({"nba", "nhl"}); }

    Game game(const QString& id, GameStatus status = GameStatus::scheduled,
              const QString& leagueId = "nba") const {
        return withStatus(testGame(id, leagueId, app.clock.now()), status);
    }
    template <typename View>
    static QList<View*> all(const QWidget& root) {
        return root.findChildren<View*>();
    }
    static QStringList rowIds(const QWidget& root) {
        QStringList ids;
        for (const GameRowView* row : all<GameRowView>(root))
            ids.append(row->game().id);
        return ids;
    }
    static bool showsText(const QWidget& root, const QString& text) {
        for (const QLabel* label : root.findChildren<QLabel*>()) {
            if (label->text() == text && label->isVisibleTo(&root))
                return true;
        }
        return false;
    }

    StubAppState app;
    FakeScoresService detailService;
    PopoverServices services{app.state, detailService, app.preferences, {}};
};

TEST_F(PopoverViewsTest, PinsHideTheLiveNowStripAndClearingBringsItBack) {
    app.state.setGames({{"nba", {game("1", GameStatus::inProgress), game("2", GameStatus::inProgress)}}});
    MenuBarView popover(services);
    popover.show();
    EXPECT_TRUE(showsText(popover, "Live Now"));
    EXPECT_EQ(rowIds(popover), (QStringList{"1", "2", "1", "2"})); // the strip, then the league's section

    app.state.setPinnedGames({game("1", GameStatus::inProgress)});
    processPendingEvents();
    EXPECT_FALSE(showsText(popover, "Live Now"));
    EXPECT_TRUE(showsText(popover, "Pinned"));

    PinnedGamesView::clearPinnedGames(services);
    processPendingEvents();
    EXPECT_TRUE(app.state.pinnedGames().isEmpty());
    EXPECT_EQ(app.settings.value("pinnedGameIds").toStringList(), QStringList());
    EXPECT_TRUE(showsText(popover, "Live Now"));
    EXPECT_FALSE(showsText(popover, "Pinned"));
}

TEST_F(PopoverViewsTest, SectionsFollowTheCatalogueSayWhenEmptyAndAClickedHeaderStaysClosedAcrossRebuilds) {
    app.state.setGames({{"nba", {game("1")}}});
    MenuBarView popover(services);
    popover.show();
    QList<LeagueSectionView*> sections = all<LeagueSectionView>(popover);
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(sections[0]->league().id, "nba");
    EXPECT_EQ(sections[1]->league().id, "nhl");
    EXPECT_TRUE(showsText(popover, "No games today"));
    EXPECT_FALSE(showsText(popover, "Offline"));
    EXPECT_FALSE(showsText(popover, "Updated 0 sec. ago"));

    auto clickHeader = [&popover] {
        LeagueSectionView* section = popover.findChildren<LeagueSectionView*>().first();
        QTest::mouseClick(section->childAt(QPoint(section->width() / 2, 5)), Qt::LeftButton, {},
                          QPoint(5, 5));
        processPendingEvents();
    };
    clickHeader();
    EXPECT_TRUE(rowIds(popover).isEmpty());
    popover.hide();
    app.state.setGames({{"nba", {game("1"), game("2")}}});
    processPendingEvents();
    popover.show();
    EXPECT_TRUE(rowIds(popover).isEmpty());
    EXPECT_TRUE(showsText(popover, "2"));
    clickHeader();
    EXPECT_EQ(rowIds(popover), (QStringList{"1", "2"}));
}

TEST_F(PopoverViewsTest, RoomToSpareStaysOutOfTheHeaderAndFooter) {
    app.pathSource.report(false);
    processPendingEvents();
    MenuBarView popover(services); // no league: the sections take little room
    popover.resize(MenuBarView::popoverWidth, MenuBarView::popoverHeight);
    popover.show();
    processPendingEvents();
    for (const QString text : {"Glimmerbox", "Offline"}) {
        const QLabel* label = childWithText<QLabel>(popover, text);
        ASSERT_NE(label, nullptr) << text.toStdString();
        const QWidget* bar = label->parentWidget();
        EXPECT_EQ(bar->height(), bar->sizeHint().height()) << text.toStdString();
    }
}

TEST_F(PopoverViewsTest, AHiddenPopoverBuildsNothingUntilItIsShown) {
    MenuBarView popover(services);
    EXPECT_TRUE(all<LeagueSectionView>(popover).isEmpty()) << "not even once before it is first shown";
    app.state.setGames({{"nba", {game("1")}}});
    processPendingEvents();
    EXPECT_TRUE(rowIds(popover).isEmpty()) << "no rebuild while hidden";
    popover.show();
    EXPECT_EQ(rowIds(popover), QStringList{"1"}) << "current as soon as it shows";
    const GameRowView* shown = all<GameRowView>(popover).first();
    popover.hide();
    popover.show();
    EXPECT_EQ(all<GameRowView>(popover).first(), shown) << "nothing changed: nothing rebuilt";
}

TEST_F(PopoverViewsTest, ALeagueOfThousandsBuildsOnlyTheRowsInViewWhereverItsListIsScrolled) {
    UserPreferences::shared().setShowTeamLogos(true);
    QTcpServer silent; // takes the logos' request and never answers: their views keep a spinner
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QUrl logo(QStringLiteral("http://127.0.0.1:%1/popover-many-logo.png").arg(silent.serverPort()));
    constexpr int count = 5000;
    QList<Game> many;
    for (int i = 0; i < count; ++i) {
        Game scheduled = game(QString::number(i));
        scheduled.awayTeam.abbreviation = "A" + QString::number(i);
        scheduled.awayTeam.logoURL = logo;
        many.append(scheduled);
    }
    app.state.setGames({{"nba", many}});
    // Pins above the sections leave their list less than its most room.
    app.state.setPinnedGames(
        {game("p1", GameStatus::scheduled, "nhl"), game("p2", GameStatus::scheduled, "nhl")});
    MenuBarView popover(services);
    popover.resize(MenuBarView::popoverWidth, MenuBarView::popoverHeight);
    popover.show();
    processPendingEvents();
    auto* list = popover.findChild<QScrollArea*>();
    ASSERT_NE(list, nullptr);
    QScrollBar& scroll = *list->verticalScrollBar();
    EXPECT_GT(scroll.maximum(), count * 30) << "every game has its place in the list";

    for (const double at : {0.0, 0.3, 0.6, 1.0}) {
        scroll.setValue(int(at * scroll.maximum()));
        processPendingEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the rows that left the view
        const QStringList ids = rowIds(*list);
        ASSERT_FALSE(ids.isEmpty()) << at;
        EXPECT_LT(ids.size(), 15) << at;
        EXPECT_LT(popover.findChildren<QWidget*>().size(), 400) << "widgets at " << at;
        for (qsizetype i = 1; i < ids.size(); ++i)
            EXPECT_EQ(ids[i].toInt(), ids[i - 1].toInt() + 1) << at;
        // The row in the middle of the list's view shows its own game.
        QWidget* under = list->viewport()->childAt(list->viewport()->rect().center());
        while (under && !qobject_cast<GameRowView*>(under))
            under = under->parentWidget();
        ASSERT_NE(under, nullptr) << at;
        const int middle = static_cast<GameRowView*>(under)->game().id.toInt();
        EXPECT_NEAR(middle, at * (count - 1), 6) << at;
        EXPECT_TRUE(showsText(*under, "A" + QString::number(middle))) << at;
        // Only logos in view turn their spinners.
        popover.grab();
        int spinning = 0;
        for (const TeamLogoView* view : all<TeamLogoView>(popover)) {
            if (!view->isSpinning())
                continue;
            ++spinning;
            const QRect inList(view->mapTo(list->viewport(), QPoint()), view->size());
            EXPECT_TRUE(list->viewport()->rect().intersects(inList)) << at;
        }
        EXPECT_GT(spinning, 0) << at;
    }
    EXPECT_EQ(rowIds(*list).last(), QString::number(count - 1));
}

TEST_F(PopoverViewsTest, EveryKindOfRowStandsInTheListAtTheHeightItAsksFor) {
    // Rows of each kind of content, each of them twice with texts of other lengths. A league lists one
    // final game only (its latest, when it has nothing else): the finals have leagues of their own.
    QList<Game> nba;
    QList<Game> f1;
    QList<Game> finals;
    for (const QString& name : {QStringLiteral("X"), QStringLiteral("A much longer name than usual")}) {
        Game plain = game("plain" + name);
        plain.homeTeam.abbreviation = name;
        Game withBroadcast = plain;
        withBroadcast.id += "b";
        withBroadcast.broadcast = name;
        Game withRecords = plain;
        withRecords.id += "r";
        withRecords.awayTeam.record = TeamRecord();
        withRecords.awayTeam.record->wins = 10;
        Game live = withStatus(plain, GameStatus::inProgress, 3, 1, name);
        live.id += "l";
        live.clock = "1:00";
        Game liveBare = withStatus(plain, GameStatus::inProgress);
        liveBare.id += "lb";
        nba += {plain, withBroadcast, withRecords, live, liveBare};
        finals.append(
            withStatus(game("final" + name, GameStatus::scheduled, finals.isEmpty() ? "nhl" : "mlb"),
                       GameStatus::final_, 3, 1));
        Game race = game("race" + name, GameStatus::scheduled, "f1");
        race.venue = name;
        Game raceLive = withStatus(race, GameStatus::inProgress);
        raceLive.id += "l";
        RaceDriver leader;
        leader.id = "d";
        leader.position = 1;
        leader.name = name;
        raceLive.raceStandings = QList<RaceDriver>{leader};
        if (name.size() > 1)
            raceLive.raceStandings->first().flagURL = QUrl("http://127.0.0.1:9/flag.png");
        f1 += {race, raceLive};
    }
    app.preferences.setEnabledLeagues({"nba", "nhl", "mlb", "f1"});
    app.state.setGames({{"nba", nba}, {"nhl", {finals[0]}}, {"mlb", {finals[1]}}, {"f1", f1}});
    MenuBarView popover(services);
    popover.resize(MenuBarView::popoverWidth, MenuBarView::popoverHeight);
    popover.show();
    processPendingEvents();
    QScrollBar& scroll = *popover.findChild<QScrollArea*>()->verticalScrollBar();
    QSet<QString> seen;
    for (int at = 0;; at = std::min(at + 100, scroll.maximum())) {
        scroll.setValue(at);
        processPendingEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const GameRowView* row : all<GameRowView>(popover)) {
            seen.insert(row->game().id);
            EXPECT_EQ(row->height(), row->sizeHint().height()) << row->game().id.toStdString();
        }
        if (at == scroll.maximum())
            break;
    }
    EXPECT_EQ(seen.size(), nba.size() + finals.size() + f1.size());
}

TEST_F(PopoverViewsTest, RowMenuPinsCopiesAndOffersAnInertBroadcastEntryAndAClickOpensTheGamesDetail) {
    Game scheduled = game("401");
    scheduled.broadcast = "Channel 9";
    app.state.setGames({{"nba", {scheduled}}});
    GameRowView row(scheduled, false, services);
    std::unique_ptr<QMenu> menu = row.buildContextMenu();
    ASSERT_EQ(menu->actions().at(3)->text(), "Watch on Channel 9");
    menu->actions().at(3)->trigger(); // nothing happens
    EXPECT_TRUE(app.state.pinnedGames().isEmpty());

    menu->actions().at(0)->trigger();
    EXPECT_EQ(idsOf(app.state.pinnedGames()), QStringList{"401"});

    row.copyScore();
    EXPECT_EQ(QApplication::clipboard()->text(), "Team away-401 vs Team home-401: AWA 0 - 0 HOM");

    row.show();
    // The click lands on the score's text, which leaves it to the row.
    QWidget* text = row.childAt(row.rect().center());
    ASSERT_NE(text, nullptr);
    QTest::mouseClick(text, Qt::LeftButton, {}, text->rect().center());
    QDialog* sheet = row.window()->findChild<QDialog*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isModal());
    const QList<GameDetailView*> views = sheet->findChildren<GameDetailView*>();
    ASSERT_EQ(views.size(), 1);
    EXPECT_EQ(views[0]->gameId(), "401");
    sheet->close();
}

TEST_F(PopoverViewsTest, RowMenuShowsALongOrBrokenBroadcastOnOneShortenedLine) {
    Game scheduled = game("402");
    // A tab would also put what follows it in the shortcut's column.
    scheduled.broadcast = "Channel\t9\n" + QString(260, u'x');
    GameRowView row(scheduled, false, services);
    std::unique_ptr<QMenu> menu = row.buildContextMenu();
    const QString watch = menu->actions().at(3)->text();
    EXPECT_TRUE(watch.startsWith("Watch on Channel 9 x")) << qPrintable(watch.left(24));
    EXPECT_TRUE(watch.endsWith(QChar(0x2026)));
    EXPECT_FALSE(watch.contains(u'\t') || watch.contains(u'\n'));
    EXPECT_LE(menu->sizeHint().width(), MenuBarView::popoverWidth) << "the menu is wider than the popover";
    menu->actions().at(0)->trigger();
    EXPECT_EQ(idsOf(app.state.pinnedGames()), QStringList{"402"}) << "the entries still act";
}

TEST_F(PopoverViewsTest, ARowKeepsLongAndBrokenTextsOnOneLineInsideTheirColumns) {
    Game plain = game("1");
    plain.broadcast = "Channel 9";
    Game odd = plain;
    odd.awayTeam.abbreviation = "LIN\nBRK" + QString(260, u'M');
    odd.homeTeam.abbreviation = "LIN\u2028BRK" + QString(260, u'M');
    odd.broadcast = "Channel\r\n9 " + QString(260, u'x');
    GameRowView plainRow(plain, false, services);
    GameRowView oddRow(odd, false, services);
    EXPECT_EQ(oddRow.sizeHint().height(), plainRow.sizeHint().height()) << "a line break made the row taller";
    oddRow.resize(360, oddRow.sizeHint().height());
    oddRow.show();
    for (const QLabel* label : oddRow.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()))
            << qPrintable(label->text().left(12)) << " leaves its column";
    }

    // In a race row the leader's long name gives way; "1." and the clock stay whole.
    Game race = game("9", GameStatus::inProgress, "f1");
    race.clock = "Lap 38/57";
    race.raceStandings =
        QList<RaceDriver>{{"d1", 1, "Ada\n" + QString(300, u'Q'), "QUI", std::nullopt, false}};
    GameRowView raceRow(race, false, services);
    raceRow.resize(360, raceRow.sizeHint().height());
    raceRow.show();
    for (const QLabel* label : raceRow.findChildren<QLabel*>()) {
        if (label->text() == "1." || label->text() == "Lap 38/57") {
            EXPECT_GE(label->width(), label->sizeHint().width()) << qPrintable(label->text());
        } else if (label->text().startsWith("Ada")) {
            EXPECT_LT(label->width(), 360);
        }
    }
}

TEST_F(PopoverViewsTest, ARowsOpenMenuOutlivesTheRepublishedPinsAndTheRebuildFollowsItsClosing) {
    app.state.setGames({{"nba", {game("1", GameStatus::inProgress)}}});
    app.state.setPinnedGames({game("1", GameStatus::inProgress)});
    MenuBarView popover(services);
    popover.show();
    GameRowView* row = all<GameRowView>(popover).first();
    emit row->customContextMenuRequested(QPoint(5, 5));
    QPointer<QMenu> menu = row->findChild<QMenu*>();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(menu->isVisible());

    // The pinned refresh publishes the pins again, with a new score.
    app.state.setGames({{"nba", {withStatus(game("1"), GameStatus::inProgress, 7, 5)}}});
    app.state.setPinnedGames({withStatus(game("1"), GameStatus::inProgress, 7, 5)});
    processPendingEvents();
    ASSERT_TRUE(menu) << "the menu went with its row";
    EXPECT_TRUE(menu->isVisible());

    menu->hide();
    processPendingEvents();
    EXPECT_EQ(all<GameRowView>(popover).first()->game().homeScore, 7) << "rebuilt once the menu closed";
}

TEST_F(PopoverViewsTest, DetailViewLoadsWhenShownAndShowsTheErrorWithRetry) {
    app.state.setGames({{"nba", {game("401", GameStatus::inProgress)}}});
    GameDetailView view("401", app.state, detailService);
    EXPECT_EQ(detailService.waitingDetails(), 0);
    view.show();
    processPendingEvents();
    ASSERT_EQ(detailService.waitingDetails(), 1);
    EXPECT_EQ(view.panel().body(), DetailBody::content); // the game is known before the summary arrives
    EXPECT_FALSE(view.panel().isRefreshEnabled());

    detailService.answerDetail(0, APIError::httpError(503));
    processPendingEvents();
    EXPECT_EQ(view.panel().body(), DetailBody::error);
    EXPECT_TRUE(view.panel().isRefreshEnabled());
    EXPECT_TRUE(showsText(view, "HTTP error: 503"));
    QAbstractButton* retry = childWithText<QAbstractButton>(view, "Retry");
    ASSERT_NE(retry, nullptr);
    retry->click();
    processPendingEvents();
    EXPECT_EQ(detailService.waitingDetails(), 1);
    EXPECT_EQ(view.panel().body(), DetailBody::content);

    // A second show loads nothing more.
    view.hide();
    view.show();
    processPendingEvents();
    EXPECT_EQ(detailService.requestCount(FakeScoresService::Kind::gameDetail), 2);
}

} // namespace
