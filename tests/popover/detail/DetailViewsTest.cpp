// The detail panel's small views as they are laid out and drawn: the error view's retry, the base diamond's
// frame, the Stats tab's rows and the plays' symbols at the size the plays list draws them.
#include "ChildWithText.h"
#include "TestGames.h"

#include "platform/text/IconFont.h"
#include "platform/text/WrappedLabel.h"
#include "popover/detail/BaseDiamondView.h"
#include "popover/detail/BoxScoreView.h"
#include "popover/detail/DetailScoreboard.h"
#include "popover/detail/DetailWindowTitle.h"
#include "popover/detail/ErrorView.h"
#include "popover/detail/GameDetailPanel.h"
#include "popover/detail/PlayByPlayRowView.h"
#include "popover/detail/PlayerStatsView.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

TEST(ErrorViewTest, RetryIsOfferedOnlyWithARetryAction) {
    ErrorView bare("HTTP error: 503", {});
    bare.show();
    EXPECT_EQ(childWithText<QAbstractButton>(bare, "Retry"), nullptr);
    EXPECT_NE(childWithText<QLabel>(bare, "Something went wrong"), nullptr);
    // Nothing the user can press may run the absent action.
    for (QAbstractButton* button : bare.findChildren<QAbstractButton*>())
        EXPECT_NO_THROW(button->click());

    int retries = 0;
    ErrorView withRetry("HTTP error: 503", [&retries] { ++retries; });
    withRetry.show();
    QAbstractButton* retry = childWithText<QAbstractButton>(withRetry, "Retry");
    ASSERT_NE(retry, nullptr);
    retry->click();
    EXPECT_EQ(retries, 1);
}

TEST(BaseDiamondViewTest, TakesATwentyTwoPointFrameAndPaintsInsideIt) {
    BaseDiamondView diamond({true, true, true});
    EXPECT_EQ(diamond.size(), QSize(22, 22));
    EXPECT_EQ(diamond.sizeHint(), QSize(22, 22));

    // Every base lies whole inside the frame: a base cut at an edge would leave a straight run of paint
    // along it, where a whole one touches it at most with its tip.
    QImage canvas(diamond.size(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    diamond.render(&canvas, {}, {}, QWidget::DrawChildren);
    const auto painted = [&canvas](bool column, int at) {
        int count = 0;
        for (int i = 0; i < 22; ++i)
            count += qAlpha(column ? canvas.pixel(at, i) : canvas.pixel(i, at)) >= 128 ? 1 : 0;
        return count;
    };
    EXPECT_LE(painted(true, 0), 2);
    EXPECT_LE(painted(true, 21), 2);
    EXPECT_LE(painted(false, 0), 2);
    EXPECT_GE(painted(false, 11), 10) << "first and third base on the middle row";
}

TEST(PlayerStatsViewTest, ARowsColumnsStartAtItsTop) {
    PlayerStats player{"p1", "Jay Harper", "BOS", "F", {{"PTS", "29"}, {"REB", "7"}, {"AST", "5"}}};
    PlayerStatsView view({player});
    view.resize(420, 400);
    view.show();
    QTest::qWait(0);
    const QLabel* name = childWithText<QLabel>(view, "Jay Harper");
    const QLabel* position = childWithText<QLabel>(view, "F");
    const QLabel* firstStat = childWithText<QLabel>(view, "AST");
    ASSERT_TRUE(name && position && firstStat);
    const QWidget* row = name->parentWidget();
    EXPECT_EQ(name->mapTo(row, QPoint()).y(), firstStat->mapTo(row, QPoint()).y());
    EXPECT_EQ(name->height(), name->sizeHint().height()) << "the name is not stretched to the stats' height";
    EXPECT_EQ(row->height(), row->sizeHint().height()) << "nor is the row stretched to the list's height";
    // The role line sits right under the name (2 apart), not pushed to the bottom.
    EXPECT_LE(position->mapTo(row, QPoint()).y() - (name->mapTo(row, QPoint()).y() + name->height()), 2);
}

// A player whose long name carries a line break, and the same player with a short one.
PlayerStats playerNamed(const QString& name) {
    return {"p1", name, "BOS", "F", {{"PTS", "29"}, {"REB", "7"}, {"AST", "5"}}};
}
const QString longBrokenName = "Jay\n" + QString(256, u'W');

// The row holding the label of `name` in `view`.
QWidget* rowNamed(const QWidget& view, const QString& name) {
    const QLabel* label = childWithText<QLabel>(view, name);
    return label ? label->parentWidget() : nullptr;
}

// In the row of the long name each value keeps its text whole, inside the row and where the short name's row
// has it; the name gives way, on one line.
void expectValuesHeldBesideTheName(const QWidget& shortView, const QWidget& longView) {
    const QWidget* shortRow = rowNamed(shortView, "Jay Harper");
    const QWidget* longRow = rowNamed(longView, longBrokenName);
    ASSERT_TRUE(shortRow && longRow);
    EXPECT_EQ(longRow->height(), shortRow->height()) << "the line break or the length made the row taller";
    const QLabel* name = childWithText<QLabel>(*longRow, longBrokenName);
    EXPECT_LT(name->width(), longRow->width());
    EXPECT_EQ(name->height(), childWithText<QLabel>(*shortRow, "Jay Harper")->height());
    int values = 0;
    for (const QLabel* value : shortRow->findChildren<QLabel*>()) {
        if (value->text() == "Jay Harper" || value->text().contains(u'·'))
            continue;
        ++values;
        const QLabel* held = childWithText<QLabel>(*longRow, value->text());
        ASSERT_NE(held, nullptr) << qPrintable(value->text());
        EXPECT_GE(held->width(), held->sizeHint().width()) << qPrintable(value->text()) << " was shortened";
        EXPECT_TRUE(longRow->rect().contains(held->geometry())) << qPrintable(value->text());
        EXPECT_EQ(held->geometry(), value->geometry()) << qPrintable(value->text()) << " left its column";
    }
    EXPECT_GT(values, 0);
}

TEST(PlayerStatsViewTest, ALongBrokenNameGivesWayWhileTheValuesStayWholeInTheirColumns) {
    PlayerStatsView shortView({playerNamed("Jay Harper")});
    PlayerStatsView longView({playerNamed(longBrokenName)});
    for (PlayerStatsView* view : {&shortView, &longView}) {
        view->resize(420, 400);
        view->show();
    }
    QTest::qWait(0);
    expectValuesHeldBesideTheName(shortView, longView);
}

TEST(BoxScoreViewTest, ALongBrokenNameGivesWayWhileTheValueStaysWholeInItsColumn) {
    const auto boxScore = [](const QString& name) {
        BoxScore score;
        score.playerStats = {playerNamed(name)};
        return score;
    };
    BoxScoreView shortView(boxScore("Jay Harper"));
    BoxScoreView longView(boxScore(longBrokenName));
    for (BoxScoreView* view : {&shortView, &longView}) {
        view->resize(388, 400);
        view->show();
    }
    QTest::qWait(0);
    expectValuesHeldBesideTheName(shortView, longView);
}

// Every label below `root` lies inside the panel's width and has room for its text there: a wrapping one on
// as many lines as it takes, never wider than the panel.
void expectEveryLabelInsideThePanel(const GameDetailPanel& panel, const QWidget& root) {
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        const QString name = label->text().left(12);
        const int left = label->mapTo(&panel, QPoint()).x();
        EXPECT_GE(left, 0) << qPrintable(name);
        EXPECT_LE(left + label->width(), panel.width()) << qPrintable(name) << " runs past the panel";
        EXPECT_LE(label->minimumSizeHint().width(), label->width()) << qPrintable(name) << " is cut";
    }
}

TEST(GameDetailPanelTest, AnUnbrokenWordInAPlayOrAnErrorWrapsInsideThePanel) {
    const QString word = QString(2000, u'W');
    PlayByPlayEvent play;
    play.period = "3rd";
    play.clock = "4:12";
    play.team = "BOS";
    play.scoreAway = 88;
    play.scoreHome = 91;
    play.description = word;
    DetailPanelState state;
    state.game = testGame("g", "nba", QDateTime(QDate(2026, 3, 14), QTime(18, 0)));
    state.playByPlay = {play};

    GameDetailPanel panel;
    panel.setState(state);
    panel.show();
    for (const DetailTab tab : {DetailTab::summary, DetailTab::playByPlay}) {
        panel.selectTab(tab);
        QTest::qWait(0);
        EXPECT_EQ(panel.width(), GameDetailPanel::panelWidth);
        const QLabel* description = childWithText<QLabel>(panel, word);
        ASSERT_NE(description, nullptr) << qPrintable(title(tab));
        const QWidget* row = description->parentWidget();
        EXPECT_LE(row->mapTo(&panel, QPoint(row->width(), 0)).x(), panel.width()) << qPrintable(title(tab));
        EXPECT_GT(description->height(), 3 * description->fontMetrics().height())
            << "the word is not wrapped";
        EXPECT_NE(childWithText<QLabel>(*row, "88-91"), nullptr);
        expectEveryLabelInsideThePanel(panel, *row);
    }

    // A transport failure's text names the address it tried, unbroken.
    state.error = APIError::transportError("Error transferring https://scores.test/" + word, 3);
    panel.setState(state);
    QTest::qWait(0);
    ASSERT_EQ(panel.body(), DetailBody::error);
    expectEveryLabelInsideThePanel(panel, panel);
}

const QString unrulyText = "Odd\n" + QString(300, u'Q');

// Every label below `root` inside it, and those with `texts` whole.
void expectHeldAndInside(const QWidget& root, const QStringList& texts) {
    for (const QString& text : texts) {
        const QLabel* label = childWithText<QLabel>(root, text);
        ASSERT_NE(label, nullptr) << qPrintable(text);
        EXPECT_GE(label->width(), label->sizeHint().width()) << qPrintable(text) << " was shortened";
    }
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        const QRect inRoot(label->mapTo(&root, QPoint()), label->size());
        EXPECT_TRUE(root.rect().contains(inRoot)) << qPrintable(label->text().left(12)) << " leaves its room";
    }
}

TEST(PlayByPlayRowViewTest, ALongPeriodOrTeamGivesWayBeforeTheScore) {
    PlayByPlayEvent play;
    play.period = unrulyText;
    play.clock = "4:12";
    play.team = unrulyText;
    play.scoreAway = 88;
    play.scoreHome = 91;
    play.description = "Harper makes 26-foot three point jumper";
    PlayByPlayRowView row(play);
    row.resize(388, row.heightForWidth(388));
    row.show();
    QTest::qWait(0);
    expectHeldAndInside(row, {"88-91", "Harper makes 26-foot three point jumper"});
}

TEST(DetailScoreboardTest, ALongYardLineGivesWayBeforeTheDownAndDistance) {
    Game game = withStatus(testGame("g", "nfl", QDateTime(QDate(2026, 3, 14), QTime(18, 0))),
                           GameStatus::inProgress, 3, 2, "4th");
    game.situations = GameSituation{};
    game.situations->down = 3;
    game.situations->distance = 7;
    game.situations->yardLine = unrulyText;
    DetailScoreboard scoreboard(game);
    scoreboard.resize(GameDetailPanel::panelWidth, scoreboard.sizeHint().height());
    scoreboard.show();
    QTest::qWait(0);
    expectHeldAndInside(scoreboard, {"3rd & 7"});
}

TEST(DetailScoreboardTest, ATeamsShortNameTakesUpToTwoLinesTheSecondShortened) {
    Game game = withStatus(testGame("g", "nba", QDateTime(QDate(2026, 3, 14), QTime(18, 0))),
                           GameStatus::final_, 102, 100);
    game.awayTeam.shortName = "North Shore Mariners";
    game.homeTeam.shortName = "North Shore Mariners of the Long Bay Harbour";
    DetailScoreboard scoreboard(game);
    scoreboard.resize(GameDetailPanel::panelWidth, scoreboard.sizeHint().height());
    scoreboard.show();
    QTest::qWait(0);

    const auto* away =
        dynamic_cast<const WrappedLabel*>(childWithText<QLabel>(scoreboard, game.awayTeam.shortName));
    const auto* home =
        dynamic_cast<const WrappedLabel*>(childWithText<QLabel>(scoreboard, game.homeTeam.shortName));
    ASSERT_NE(away, nullptr) << "the name is kept to one line";
    ASSERT_NE(home, nullptr) << "the name is kept to one line";
    EXPECT_EQ(away->shownLines(), (QStringList{"North Shore", "Mariners"}));
    const QStringList homeLines = home->shownLines();
    ASSERT_EQ(homeLines.size(), 2);
    EXPECT_EQ(homeLines[0], "North Shore");
    EXPECT_TRUE(homeLines[1].endsWith(u'…')) << qPrintable(homeLines[1]);
    for (const WrappedLabel* name : {away, home}) {
        EXPECT_GE(name->height(), 2 * name->fontMetrics().lineSpacing()) << "the second line is cut";
        EXPECT_LE(name->width(), 90);
        const QRect inScoreboard(name->mapTo(&scoreboard, QPoint()), name->size());
        EXPECT_TRUE(scoreboard.rect().contains(inScoreboard));
    }
}

TEST(DetailWindowTitleTest, TheWindowIsTitledAfterTheTeamsAwayFirstOnOneLineAsWritten) {
    Game game = testGame("g", "nba", QDateTime(QDate(2026, 3, 14), QTime(18, 0)));
    game.awayTeam.abbreviation = "BOS";
    game.homeTeam.abbreviation = "LAL";
    EXPECT_EQ(detailWindowTitle(game), "BOS vs LAL");

    // A reply's break or a window title's own "[*]" mark shows as a space and as written.
    game.awayTeam.abbreviation = "B\nOS";
    game.homeTeam.abbreviation = "L[*]L";
    QWidget window;
    window.setWindowTitle(detailWindowTitle(game));
    window.show();
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_EQ(window.windowHandle()->title(), "B OS vs L[*]L");

    // With no abbreviation at all (a race), the league names it.
    game.awayTeam.abbreviation.clear();
    game.homeTeam.abbreviation.clear();
    EXPECT_EQ(detailWindowTitle(game), "NBA");
}

// Opaque and clear runs along one line of a symbol's pixmap drawn at device pixel ratio 1.
QString runsAlong(const QImage& image, bool column, int at) {
    QString runs;
    const int length = column ? image.height() : image.width();
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = column ? image.pixel(at, i) : image.pixel(i, at);
        const QChar kind = qAlpha(pixel) >= 128 ? u'#' : u'.';
        if (runs.isEmpty() || runs.back() != kind)
            runs.append(kind);
    }
    return runs;
}

TEST(PlayByPlayRowViewTest, SymbolsStayLegibleAtThePlaysListSize) {
    const int size = PlayByPlayRowView::symbolSize;
    // The pause symbol's middle row crosses the ring, both bars and the ring again: two bars, not a block.
    const QImage pause = iconfont::pixmap("pause.circle", Qt::black, size, 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(runsAlong(pause, false, size / 2).count(u'#'), 4)
        << runsAlong(pause, false, size / 2).toStdString();
    // The 3 cut out of its disc: down the middle, the disc is interrupted by the digit's three strokes.
    const QImage three = iconfont::pixmap("3.circle.fill", Qt::black, size, 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QString column = runsAlong(three, true, size / 2);
    column = column.mid(column.indexOf(u'#'), column.lastIndexOf(u'#') - column.indexOf(u'#') + 1);
    EXPECT_EQ(column.count(u'.'), 3) << column.toStdString();

    // And the plays list draws them at that size: the scoring three's disc spans 20/24 of the symbol.
    PlayByPlayEvent threePointer;
    threePointer.eventType = PlayEventType::threePointer;
    threePointer.isScoring = true;
    threePointer.description = "Harper makes 26-foot three point jumper";
    PlayByPlayRowView row(threePointer);
    QPalette ink = row.palette();
    ink.setColor(QPalette::Highlight, Qt::black);
    row.setPalette(ink);
    row.resize(420, row.sizeHint().height());
    QImage canvas(row.size(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    row.render(&canvas, {}, {}, QWidget::DrawChildren);
    // The symbol's circle (12, 8, 28 x 28) is the accent at 0.15; the symbol is the accent itself.
    const QRect circle(12, 8, 28, 28);
    int top = circle.bottom(), bottom = circle.top();
    for (int y = circle.top(); y <= circle.bottom(); ++y) {
        for (int x = circle.left(); x <= circle.right(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) >= 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_GE(bottom - top + 1, size * 20 / 24);
}

} // namespace
