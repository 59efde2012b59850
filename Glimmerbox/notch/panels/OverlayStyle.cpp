#include "notch/panels/OverlayStyle.h"

#include "platform/text/DisplayText.h"
#include "platform/text/IconFont.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace overlaystyle {

namespace {

struct MeasuredText {
    QFont font;
    QString text;
    bool operator==(const MeasuredText&) const = default;
};

size_t qHash(const MeasuredText& key, size_t seed = 0) {
    return qHashMulti(seed, key.font, key.text);
}

} // namespace

QColor withOpacity(QColor color, double opacity) {
    color.setAlphaF(float(color.alphaF() * opacity));
    return color;
}

double textWidth(const QFont& font, const QString& text) {
    // The overlay lays out the same few texts on every animation frame; shaping them again each time was a
    // tenth of its CPU while three live games rotate.
    thread_local QHash<MeasuredText, double> widths;
    MeasuredText key{font, text};
    if (const auto found = widths.constFind(key); found != widths.cend())
        return *found;
    if (widths.size() >= 512)
        widths.clear();
    const double width = QFontMetricsF(font).horizontalAdvance(oneLineText(text));
    widths.insert(std::move(key), width);
    return width;
}

double widthWithin(const QFont& font, const QString& text, double room) {
    return std::clamp(std::ceil(textWidth(font, text)), 0.0, std::max(0.0, room));
}

QString elidedToFit(const QFont& font, const QString& text, double width) {
    return textWidth(font, text) <= width ? oneLineText(text) : elidedLine(text, font, width);
}

void drawLine(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
              const QColor& color, Qt::Alignment alignment, double minimumScale) {
    QFont used = font;
    const double width = textWidth(font, text);
    if (width > rect.width() && minimumScale < 1.0) {
        const double scale = std::max(minimumScale, rect.width() / width);
        used.setPixelSize(std::max(1, int(font.pixelSize() * scale)));
    }
    const QString shown = elidedToFit(used, text, rect.width());
    painter.save();
    painter.setFont(used);
    painter.setPen(color);
    painter.drawText(rect, int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
    painter.restore();
}

void drawSymbol(QPainter& painter, const QRectF& rect, const QString& symbolName, int pixelSize,
                const QColor& color) {
    const auto glyph = iconfont::glyph(symbolName);
    if (!glyph)
        return;
    painter.save();
    painter.setFont(iconfont::font(pixelSize));
    painter.setPen(color);
    painter.drawText(rect, Qt::AlignCenter, QString(*glyph));
    painter.restore();
}

void drawImage(QPainter& painter, const QRectF& rect, const QImage& image, Qt::AspectRatioMode mode,
               double radius) {
    const QSizeF scaled = QSizeF(image.size()).scaled(rect.size(), mode);
    const QRectF target(rect.center() - QPointF(scaled.width() / 2, scaled.height() / 2), scaled);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Square corners on an image inside `rect` need no clip.
    if (radius > 0 || !rect.contains(target)) {
        QPainterPath clip;
        clip.addRoundedRect(target.intersected(rect), radius, radius);
        painter.setClipPath(clip);
    }
    painter.drawImage(target, image);
    painter.restore();
}

void drawDot(QPainter& painter, const QPointF& centre, double diameter, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(centre, diameter / 2, diameter / 2);
    painter.restore();
}

} // namespace overlaystyle
