// Text that comes from the scores service is shown as written in every view that shows it: a team name
// carrying markup is never read as markup (an <img> in it would load a local file on the GUI thread).
// The overlay paints its text and needs no such care; these are the views made of labels and menus.
#include "StubAppState.h"
#include "TestGames.h"

#include "popover/common/GameStatusBadge.h"
#include "popover/detail/BoxScoreView.h"
#include "popover/detail/DetailScoreboard.h"
#include "popover/detail/ErrorView.h"
#include "popover/detail/GameDetailPanel.h"
#include "popover/detail/PlayByPlayView.h"
#include "popover/detail/PlayerStatsView.h"
#include "popover/detail/SummaryTab.h"
#include "popover/menu/GameRowView.h"
#include "popover/menu/MenuBarView.h"
#include "popover/menu/PopoverServices.h"
#include "settings/FavoriteTeamRow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString marked = QStringLiteral("<b>Bold</b> & <i>Ital</i>");

Team markedTeam(const QString& id) {
    Team team = testTeam(id, "nba");
    team.name = team.abbreviation = team.shortName = team.location = marked;
    return team;
}

Game markedGame(const QDateTime& now, GameStatus status) {
    Game game = withStatus(testGame("1", "nba", now), status, 3, 1, marked);
    game.league.abbreviation = marked;
    game.homeTeam = markedTeam("h");
    game.awayTeam = markedTeam("a");
    game.clock = game.venue = game.broadcast = marked;
    return game;
}

GameDetail markedDetail(const Game& game) {
    PlayByPlayEvent play;
    play.id = "p1";
    play.period = marked;
    play.description = marked;
    play.team = marked;
    PlayerStats player{"9", marked, marked, marked, {{marked, marked}}};
    GameDetail detail;
    detail.game = game;
    detail.playByPlay = {play};
    detail.leaders = GameLeaders{{{marked, marked, marked}}, {}};
    detail.boxScore = BoxScore{{{marked, marked}}, {}, {player}};
    return detail;
}

// What a user reads of a label or a menu entry.
QString shownText(const QLabel& label) {
    const bool readAsMarkup = label.textFormat() == Qt::RichText ||
                              (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    if (!readAsMarkup)
        return label.text();
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}

QString shownText(const QAction& action) {
    QString shown;
    const QString text = action.text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size())
            break;
        shown += text[i];
    }
    return shown;
}

QStringList shownTexts(const QWidget& root) {
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<QWidget*>())
        widgets.append(child);
    QStringList texts;
    for (const QWidget* widget : std::as_const(widgets)) {
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts.append(shownText(*label));
        for (const QAction* action : widget->actions())
            texts.append(shownText(*action));
    }
    return texts;
}

struct View {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

class ReplyTextShownLiterallyTest : public ::testing::Test, protected StubAppState {
protected:
    ReplyTextShownLiterallyTest() { preferences.setEnabledLeagues({"nba"}); }

    Game live = markedGame(clock.now(), GameStatus::inProgress);
    Game scheduled = markedGame(clock.now(), GameStatus::scheduled);
    GameDetail detail = markedDetail(live);
    FakeScoresService detailService;
    PopoverServices services{state, detailService, preferences, {}};
};

TEST_F(ReplyTextShownLiterallyTest, EveryViewShowsMarkupAsWrittenAndPutsNoneInATooltip) {
    const QList<View> views{
        {"live game row", [&] { return std::make_unique<GameRowView>(live, false, services); }},
        {"scheduled game row", [&] { return std::make_unique<GameRowView>(scheduled, true, services); }},
        {"game row menu",
         [&] {
             auto row = std::make_unique<GameRowView>(scheduled, false, services);
             row->buildContextMenu().release(); // owned by the row
             return row;
         }},
        {"popover",
         [&] {
             state.setGames({{"nba", {live, scheduled}}});
             auto popover = std::make_unique<MenuBarView>(services);
             popover->show();
             return popover;
         }},
        {"status badge", [&] { return std::make_unique<GameStatusBadge>(live); }},
        {"detail scoreboard", [&] { return std::make_unique<DetailScoreboard>(live); }},
        {"detail panel",
         [&] {
             auto panel = std::make_unique<GameDetailPanel>();
             panel->setState({live, detail, detail.playByPlay, false, {}});
             return panel;
         }},
        {"summary tab", [&] { return std::make_unique<SummaryTab>(live, detail, detail.playByPlay); }},
        {"plays", [&] { return std::make_unique<PlayByPlayView>(detail.playByPlay); }},
        {"box score", [&] { return std::make_unique<BoxScoreView>(detail.boxScore); }},
        {"player stats", [&] { return std::make_unique<PlayerStatsView>(detail.boxScore->playerStats); }},
        {"error", [&] { return std::make_unique<ErrorView>(marked, [] {}); }},
        {"favourite team row", [&] { return std::make_unique<FavoriteTeamRow>(live.homeTeam, true, [] {}); }},
    };
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        const std::unique_ptr<QWidget> root = view.make();
        const QStringList texts = shownTexts(*root);
        EXPECT_FALSE(texts.filter(marked).isEmpty()) << "shown: " << texts.join(" | ").toStdString();
        const QStringList misread = texts.filter("Bold").filter(
            QRegularExpression("^((?!" + QRegularExpression::escape(marked) + ").)*$"));
        EXPECT_TRUE(misread.isEmpty()) << "read as markup: " << misread.join(" | ").toStdString();
        for (const QWidget* widget : root->findChildren<QWidget*>())
            EXPECT_FALSE(widget->toolTip().contains("Bold")) << widget->metaObject()->className();
    }
}

} // namespace
