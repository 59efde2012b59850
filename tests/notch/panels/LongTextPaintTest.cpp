// Texts from a reply that are too long, or carry line breaks, drawn by the overlay's painters: each keeps to
// its own room on one line.
#include "notch/panels/CompactRowContent.h"
#include "notch/panels/OverlayPainters.h"
#include "notch/panels/ScoreCardContent.h"
#include "notch/picker/PickerRowContent.h"
#include "notch/picker/PickerRowPainter.h"

#include "TestGames.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime);
const QString longAbbreviation = QString(259, u'M') + u'A';

QImage painted(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

// The first column in [left, right) where the two images differ, or -1.
int firstDifferingColumn(const QImage& a, const QImage& b, int left, int right) {
    for (int x = left; x < right; ++x)
        for (int y = 0; y < a.height(); ++y)
            if (a.pixel(x, y) != b.pixel(x, y))
                return x;
    return -1;
}

Game liveGame() {
    Game game = withStatus(testGame("g", "nhl", now), GameStatus::inProgress, 3, 2, QStringLiteral("3rd"));
    game.clock = QStringLiteral("4:12");
    return game;
}

QImage card(const Game& game) {
    const ScoreCardContent content = ScoreCardContent::make(game, std::nullopt, CelebrationPhase::none, now);
    return painted({440, int(overlay_paint::scoreCardHeight(content))}, [&](QPainter& painter) {
        overlay_paint::scoreCard(painter, QRectF(0, 0, 440, overlay_paint::scoreCardHeight(content)), content,
                                 0);
    });
}

Game withHomeAbbreviation(Game game, const QString& abbreviation) {
    game.homeTeam.abbreviation = abbreviation;
    return game;
}

} // namespace

TEST(LongTextPaintTest, AScoreCardKeepsALongAbbreviationOnItsOwnSideAndShortensItAtItsEnd) {
    const QImage shortName = card(withHomeAbbreviation(liveGame(), "HOM"));
    const QImage longName = card(withHomeAbbreviation(liveGame(), longAbbreviation));
    // The card's row is padded 20 on each side; the home column begins after the away column and the 90 wide
    // centre.
    const int homeColumnLeft = 20 + (400 - 90) / 2 + 90;
    EXPECT_EQ(firstDifferingColumn(shortName, longName, 0, homeColumnLeft), -1)
        << "the home side's text ran into the centre or the away side";
    // Shortened at its end: a different last character changes nothing.
    const QImage otherEnd = card(withHomeAbbreviation(liveGame(), QString(259, u'M') + u'B'));
    EXPECT_EQ(firstDifferingColumn(longName, otherEnd, 0, 440), -1) << "the text was cut at its start";
}

TEST(LongTextPaintTest, AScoreCardShowsALineBreakAsASpace) {
    for (const QString separator : {"\n", "\r\n", "\u2028", "\t"}) {
        const QImage broken = card(withHomeAbbreviation(liveGame(), "LIN" + separator + "BRK"));
        const QImage spaced = card(withHomeAbbreviation(liveGame(), "LIN BRK"));
        EXPECT_EQ(firstDifferingColumn(broken, spaced, 0, 440), -1) << qPrintable(separator.toUtf8().toHex());
    }
}

TEST(LongTextPaintTest, TheCompactBarKeepsAnAbbreviationToItsSideOfTheCentre) {
    for (const bool notch : {false, true}) {
        const auto bar = [notch](const QString& abbreviation) {
            Game game = liveGame();
            game.awayTeam.abbreviation = abbreviation;
            const CompactRowContent content = CompactRowContent::make(game, true);
            return painted({440, 34}, [&](QPainter& painter) {
                overlay_paint::compactRow(painter, QRectF(0, 0, 440, 34), content, notch, 0);
            });
        };
        // Away is the left half: nothing of it may reach the centre.
        const int from = notch ? 220 - 90 : 220 - 20;
        EXPECT_EQ(firstDifferingColumn(bar("AWY"), bar(longAbbreviation), from, 440), -1) << notch;
        EXPECT_EQ(firstDifferingColumn(bar("LIN\nBRK"), bar("LIN BRK"), 0, 440), -1) << notch;
    }
}

TEST(LongTextPaintTest, APickerRowKeepsLongAndBrokenTextsInTheirBlocks) {
    const auto row = [](const Game& game) {
        const PickerRowContent content = PickerRowContent::make(game, PickerRowContent::Form::picker);
        return painted({340, pickerrow::rowHeight(content)}, [&](QPainter& painter) {
            pickerrow::paintContent(painter, QRectF(0, 0, 340, pickerrow::rowHeight(content)), game, content,
                                    0);
        });
    };
    const int block = PickerRowContent::pickerTeamBlockWidth;
    Game longPeriod = liveGame();
    longPeriod.period = longAbbreviation;
    const QImage shortRow = row(liveGame());
    const QImage longRow = row(longPeriod);
    EXPECT_EQ(firstDifferingColumn(shortRow, longRow, 0, block), -1) << "the centre ran into the away block";
    EXPECT_EQ(firstDifferingColumn(shortRow, longRow, 340 - block, 340), -1)
        << "the centre ran into the home block";

    Game longName = liveGame();
    longName.awayTeam.abbreviation = longAbbreviation;
    EXPECT_EQ(firstDifferingColumn(shortRow, row(longName), block, 340), -1);
    Game broken = liveGame();
    broken.homeTeam.abbreviation = "LIN\u2029BRK";
    Game spaced = liveGame();
    spaced.homeTeam.abbreviation = "LIN BRK";
    EXPECT_EQ(firstDifferingColumn(row(broken), row(spaced), 0, 340), -1);
}
