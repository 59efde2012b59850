#include "platform/input/ScrollValuators.h"

std::optional<ScrollDelta> ScrollValuators::decode(std::span<const uint32_t> mask,
                                                   std::span<const double> values) {
    double horizontal = 0;
    double vertical = 0;
    size_t valueIndex = 0;
    const size_t bits = mask.size() * 32;
    for (size_t bit = 0; bit < bits && valueIndex < values.size(); ++bit) {
        if (!(mask[bit / 32] & (1u << (bit % 32))))
            continue;
        const double value = values[valueIndex++];
        for (ScrollAxis& axis : axes) {
            if (axis.number != static_cast<int>(bit))
                continue;
            double delta = value;
            if (axis.absolute) {
                delta = axis.lastValue ? value - *axis.lastValue : 0;
                axis.lastValue = value;
            }
            (axis.horizontal ? horizontal : vertical) += delta / axis.increment * pointsPerIncrement;
        }
    }
    if (horizontal == 0 && vertical == 0)
        return std::nullopt;
    return ScrollDelta{-horizontal, -vertical, precise};
}

bool ScrollValuators::nameLooksLikeTouchpad(const QString& deviceName) {
    const QString lower = deviceName.toLower();
    return lower.contains(u"touchpad") || lower.contains(u"trackpad") || lower.contains(u"touch pad");
}
