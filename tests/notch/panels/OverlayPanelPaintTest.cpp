#include "notch/panels/OverlayPanelFrame.h"
#include "notch/panels/OverlayStyle.h"
#include "notch/picker/SelectControl.h"

#include "platform/text/PixelFont.h"

#include "TestGames.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime);

QImage paint(const OverlayPanelFrame& frame) {
    QImage image(440, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(220, 0);
    paintOverlayPanel(painter, frame, overlaySections(frame.presentation, frame.card, frame.width), 0);
    return image;
}

} // namespace

// After a celebration the card opens under the bar: while it slides in, the compact row stays as it is.
TEST(OverlayPanelPaintTest, ACardSlidingInNeverCoversTheCompactRow) {
    Game game = withStatus(testGame("g", "nhl", now), GameStatus::inProgress, 3, 2);
    game.period = QStringLiteral("3rd");
    game.clock = QStringLiteral("4:12");
    ScoreEvent event = scoreEventFor(game, true, 1);
    event.playText = QStringLiteral("Goal from the blue line");
    OverlayInputs inputs;
    inputs.displayedGame = game;
    inputs.isBarVisible = true;
    inputs.isScoreChangeExpanded = true;
    inputs.hasScoreEvent = true;
    inputs.celebrationPhase = CelebrationPhase::showExpanded;
    OverlayPanelFrame frame = OverlayPanelFrame::atRest(inputs, event, now);
    ASSERT_TRUE(frame.presentation.scoreCard);
    frame.sectionOpacity = 0;
    const QImage withoutCard = paint(frame);
    for (const double opacity : {0.3, 0.6, 0.9}) {
        frame.sectionOpacity = opacity;
        const QImage sliding = paint(frame);
        for (int y = 0; y < int(OverlayPresentation::compactHeight); ++y)
            for (int x = 0; x < sliding.width(); ++x)
                ASSERT_EQ(sliding.pixel(x, y), withoutCard.pixel(x, y)) << opacity << " at " << x << "," << y;
    }
}

TEST(OverlayPanelPaintTest, ActionStripPillsSpaceTheirGlyphsAsTheirTexts) {
    using overlaystyle::textWidth;
    const double unpin = textWidth(pixelFont(9, QFont::DemiBold, FontDesign::rounded), "UNPIN");
    // Padding 10, the 7 px glyph, spacing 4, the text, padding 10.
    EXPECT_NEAR(overlay_paint::unpinPillSize().width(), 10 + 7 + 4 + unpin + 10, 0.01);
    // The text, spacing 4, the 8 px chevron.
    const double select = std::ceil(textWidth(pixelFont(9, QFont::DemiBold), "SELECT"));
    EXPECT_NEAR(SelectControl::labelSize().width(), select + 4 + 8, 0.01);
}
