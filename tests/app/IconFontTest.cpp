// The bundled symbol font: every symbol the views use has a glyph, and symbols render.
#include "platform/IconFont.h"

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
    for (const char* name :
         {"sportscourt.fill",        "football.fill",       "basketball.fill",    "baseball.fill",
          "hockey.puck.fill",        "soccerball",          "car.fill",           "figure.golf",
          "tennisball.fill",         "figure.martial.arts", "circle.circle.fill", "pin.fill",
          "pin.slash.fill",          "wifi.slash",          "star.fill",          "bell.fill",
          "checkmark.circle.fill",   "gearshape",           "arrow.clockwise",    "xmark.circle.fill",
          "exclamationmark.triangle"}) {
        const std::optional<QChar> glyph = iconfont::glyph(name);
        ASSERT_TRUE(glyph) << name;
        EXPECT_TRUE(metrics.inFont(*glyph)) << name;
    }
}

TEST(IconFontTest, SymbolsRenderInTheirColoursAndUnknownNamesStayBlank) {
    const auto inked = [](QRgb pixel) { return qAlpha(pixel) > 0; };
    const QPixmap symbol = iconfont::pixmap("basketball.fill", Qt::red, 32, 2.0);
    EXPECT_EQ(symbol.size(), QSize(64, 64));
    EXPECT_GT(countPixels(symbol.toImage(), inked), 0);
    EXPECT_EQ(countPixels(iconfont::pixmap("no.such.symbol", Qt::red, 32).toImage(), inked), 0);
    EXPECT_FALSE(iconfont::glyph("no.such.symbol"));

    // The outlined symbol carries both colours.
    const QImage outlined = iconfont::outlinedPixmap("sportscourt.fill", Qt::white, Qt::black, 48).toImage();
    EXPECT_GT(countPixels(outlined, [](QRgb pixel) { return qAlpha(pixel) >= 250 && qGray(pixel) > 230; }),
              0);
    EXPECT_GT(countPixels(outlined, [](QRgb pixel) { return qAlpha(pixel) >= 250 && qGray(pixel) < 25; }), 0);
}

} // namespace
