#include "notch/panels/TeamColors.h"

#include "notch/panels/OverlayColors.h"

#include <algorithm>
#include <limits>

namespace {

QString trimmedToAlphanumerics(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && !text.at(first).isLetterOrNumber())
        ++first;
    while (last > first && !text.at(last - 1).isLetterOrNumber())
        --last;
    return text.mid(first, last - first);
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads hexadecimal digits (after an optional "0x") up to the first other character and keeps what was
// read; no digit at all reads as 0, and too many digits saturate.
quint64 leadingHexValue(const QString& text) {
    qsizetype index = 0;
    if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X') &&
        hexDigit(text.at(2)) >= 0)
        index = 2;
    quint64 value = 0;
    for (; index < text.size(); ++index) {
        const int digit = hexDigit(text.at(index));
        if (digit < 0)
            break;
        if (value > (std::numeric_limits<quint64>::max() >> 4))
            return std::numeric_limits<quint64>::max();
        value = (value << 4) | static_cast<quint64>(digit);
    }
    return value;
}

int channel(quint64 value, int shift) {
    return static_cast<int>((value >> shift) & 0xff);
}

} // namespace

std::optional<QColor> colorFromHex(const QString& text) {
    const QString digits = trimmedToAlphanumerics(text);
    const quint64 value = leadingHexValue(digits);
    switch (digits.size()) {
    case 8:
        return QColor(channel(value, 16), channel(value, 8), channel(value, 0), channel(value, 24));
    case 6:
        return QColor(channel(value, 16), channel(value, 8), channel(value, 0));
    case 3: {
        const auto nibble = [value](int shift) { return static_cast<int>((value >> shift) & 0xf) * 17; };
        return QColor(nibble(8), nibble(4), nibble(0));
    }
    default:
        return std::nullopt;
    }
}

QColor teamColorOrGrey(const QString& hexText) {
    return colorFromHex(hexText).value_or(overlay_colors::grey);
}

QColor adjustedForContrast(const QColor& color) {
    const QColor rgb = color.toRgb();
    const double luminance = 0.299 * rgb.redF() + 0.587 * rgb.greenF() + 0.114 * rgb.blueF();
    if (luminance >= 0.25)
        return color;
    const QColor hsv = rgb.toHsv();
    return QColor::fromHsvF(hsv.hsvHueF(), std::min(hsv.hsvSaturationF(), 0.85f),
                            std::max(hsv.valueF(), 0.55f), hsv.alphaF());
}

QColor positionBadgeColor(int position) {
    switch (position) {
    case 1:
        return overlay_colors::gold;
    case 2:
        return QColor::fromRgbF(0.75f, 0.75f, 0.78f);
    case 3:
        return QColor::fromRgbF(0.8f, 0.5f, 0.2f);
    default:
        return QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.5f);
    }
}
