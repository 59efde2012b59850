// The bundled symbol font: every symbol the views use has a glyph, and symbols render.
#include "platform/text/IconFont.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// Counts the opaque pixels of an image that satisfy `test`.
int countPixels(const QImage& image, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

TEST(IconFontTest, FontAndAppIconShipInsideTheBinaryAndEverySymbolHasAGlyph) {
    EXPECT_TRUE(QFile::exists(":/glimmerbox/fonts/MaterialIcons-Regular.ttf"));
    EXPECT_TRUE(QFile::exists(":/glimmerbox/icons/glimmerbox.svg"));
    ASSERT_FALSE(iconfont::family().isEmpty());
    const QFontMetrics metrics(iconfont::font(32));
    const auto inked = [](QRgb pixel) { return qAlpha(pixel) > 0; };
    for (const char* name :
         {// sports and the tray
          "sportscourt.fill", "sportscourt", "football.fill", "basketball.fill", "baseball.fill",
          "hockey.puck.fill", "soccerball", "car.fill", "figure.golf", "tennisball.fill",
          "figure.martial.arts", "circle.circle.fill", "wifi.slash",
          // overlay and picker
          "pin.fill", "pin", "pin.slash", "pin.slash.fill", "chevron.down", "arrowtriangle.down.fill",
          "arrowtriangle.right.fill", "arrow.clockwise", "command",
          // settings tabs and onboarding
          "gearshape", "star", "star.fill", "bell", "bell.fill", "paintbrush", "calendar",
          "wrench.and.screwdriver", "checkmark.circle.fill",
          // popover rows, detail panel and plays
          "info.circle", "tv", "safari", "doc.on.doc", "xmark.circle.fill", "exclamationmark.triangle",
          "exclamationmark.triangle.fill", "pause.circle", "target", "arrow.turn.down.right", "3.circle.fill",
          "k.circle", "circle.fill"}) {
        EXPECT_TRUE(iconfont::hasSymbol(name)) << name;
        if (const std::optional<QChar> glyph = iconfont::glyph(name)) {
            EXPECT_TRUE(metrics.inFont(*glyph)) << name;
        }
        EXPECT_GT(countPixels(iconfont::pixmap(name, Qt::white, 24).toImage(), inked), 20) << name;
    }
    // Circled characters are drawn: a ring around the letter, or a disc with the digit cut out.
    const QImage ring = iconfont::pixmap("k.circle", Qt::white, 48).toImage();
    const QImage disc = iconfont::pixmap("3.circle.fill", Qt::white, 48).toImage();
    EXPECT_LT(countPixels(ring, inked), countPixels(disc, inked));
    EXPECT_EQ(qAlpha(ring.pixel(24, 10)), 0); // inside the ring, above the letter
}

TEST(IconFontTest, SymbolsRenderInTheirColoursAndUnknownNamesStayBlank) {
    const auto inked = [](QRgb pixel) { return qAlpha(pixel) > 0; };
    const QPixmap symbol = iconfont::pixmap("basketball.fill", Qt::red, 32, 2.0);
    EXPECT_EQ(symbol.size(), QSize(64, 64));
    EXPECT_GT(countPixels(symbol.toImage(), inked), 0);
    EXPECT_EQ(countPixels(iconfont::pixmap("no.such.symbol", Qt::red, 32).toImage(), inked), 0);
    EXPECT_FALSE(iconfont::glyph("no.such.symbol"));
    for (const char* name : {"K.circle", "kk.circle", "k.circle.fil", ".circle", "k.circlefill", ""})
        EXPECT_FALSE(iconfont::hasSymbol(name)) << name;

    // The outlined symbol carries both colours.
    const QImage outlined = iconfont::outlinedPixmap("sportscourt.fill", Qt::white, Qt::black, 48).toImage();
    EXPECT_GT(countPixels(outlined, [](QRgb pixel) { return qAlpha(pixel) >= 250 && qGray(pixel) > 230; }),
              0);
    EXPECT_GT(countPixels(outlined, [](QRgb pixel) { return qAlpha(pixel) >= 250 && qGray(pixel) < 25; }), 0);
}

} // namespace
