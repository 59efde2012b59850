#include "platform/network/JpegFrame.h"

namespace {

constexpr uchar startOfScan = 0xDA;
constexpr uchar endOfImage = 0xD9;

// Markers that carry no length: the start of the image and the restart markers.
bool standsAlone(uchar marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// The start-of-frame markers; C4, C8 and CC in their range are tables and a reserved code.
bool startsFrame(uchar marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

std::optional<JpegFrame> readJpegFrame(const QByteArray& body) {
    const auto byteAt = [&body](qsizetype at) { return static_cast<uchar>(body.at(at)); };
    std::optional<JpegFrame> frame;
    bool sequential = false;
    qsizetype at = 2; // past the start of the image
    while (at + 4 <= body.size()) {
        if (byteAt(at) != 0xFF)
            return std::nullopt;
        const uchar marker = byteAt(at + 1);
        if (marker == 0xFF) { // a fill byte before the marker
            ++at;
            continue;
        }
        if (marker == endOfImage)
            return std::nullopt;
        if (standsAlone(marker)) {
            at += 2;
            continue;
        }
        const qsizetype payload = at + 4;
        if (startsFrame(marker) && payload + 6 <= body.size()) {
            // Precision, height and width, then the number of components.
            frame = JpegFrame{byteAt(payload + 5), false};
            sequential = marker == 0xC0 || marker == 0xC1;
        } else if (marker == startOfScan) {
            if (!frame || payload >= body.size())
                return std::nullopt;
            frame->singlePass = sequential && byteAt(payload) == frame->components;
            return frame;
        }
        at += 2 + ((byteAt(at + 2) << 8) | byteAt(at + 3));
    }
    return std::nullopt;
}
