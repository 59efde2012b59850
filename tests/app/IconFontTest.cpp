#include "platform/IconFont.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

bool hasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

TEST(IconFontTest, FontAndAppIconShipInsideTheBinary) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/glimmerbox/fonts/MaterialIcons-Regular.ttf")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/glimmerbox/icons/glimmerbox.svg")));
}

TEST(IconFontTest, EverySportAndStatusSymbolHasAGlyphInTheFont) {
    ASSERT_FALSE(iconfont::family().isEmpty());
    const QFontMetrics metrics(iconfont::font(32));
    for (const char* name :
         {"sportscourt.fill",        "football.fill",       "basketball.fill",    "baseball.fill",
          "hockey.puck.fill",        "soccerball",          "car.fill",           "figure.golf",
          "tennisball.fill",         "figure.martial.arts", "circle.circle.fill", "pin.fill",
          "pin.slash.fill",          "wifi.slash",          "star.fill",          "bell.fill",
          "checkmark.circle.fill",   "gearshape",           "arrow.clockwise",    "xmark.circle.fill",
          "exclamationmark.triangle"}) {
        const std::optional<QChar> glyph = iconfont::glyph(QString::fromLatin1(name));
        ASSERT_TRUE(glyph) << name;
        EXPECT_TRUE(metrics.inFont(*glyph)) << name;
    }
}

TEST(IconFontTest, SymbolsRenderInTheirColourAndUnknownNamesStayBlank) {
    const QPixmap symbol = iconfont::pixmap(QStringLiteral("basketball.fill"), Qt::red, 32, 2.0);
    EXPECT_EQ(symbol.size(), QSize(64, 64));
    EXPECT_TRUE(hasInk(symbol));
    EXPECT_FALSE(hasInk(iconfont::pixmap(QStringLiteral("no.such.symbol"), Qt::red, 32)));
    EXPECT_FALSE(iconfont::glyph(QStringLiteral("no.such.symbol")));
}

TEST(IconFontTest, OutlinedSymbolCarriesBothColours) {
    const QImage image =
        iconfont::outlinedPixmap(QStringLiteral("sportscourt.fill"), Qt::white, Qt::black, 48).toImage();
    bool light = false;
    bool dark = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 250)
                continue;
            light = light || qGray(pixel) > 230;
            dark = dark || qGray(pixel) < 25;
        }
    }
    EXPECT_TRUE(light);
    EXPECT_TRUE(dark);
}

} // namespace
