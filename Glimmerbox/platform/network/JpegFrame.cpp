#include "platform/network/JpegFrame.h"

#include <cstring>

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

struct Marker {
    uchar code = 0;
    qsizetype after = 0; // where what follows the marker starts
};

// The next marker from `at` on, found as a decoder finds it: any byte before an 0xFF is skipped (the coded
// data of a scan, or stray bytes a decoder passes over with a warning), so are fill bytes of 0xFF, and an
// 0xFF followed by zero is a coded 0xFF, not a marker. Nothing when the bytes end first.
std::optional<Marker> nextMarker(const QByteArray& body, qsizetype at) {
    const auto* bytes = reinterpret_cast<const uchar*>(body.constData());
    const qsizetype end = body.size();
    while (at < end) {
        const auto* found = static_cast<const uchar*>(std::memchr(bytes + at, 0xFF, size_t(end - at)));
        if (!found)
            return std::nullopt;
        qsizetype next = found - bytes + 1;
        while (next < end && bytes[next] == 0xFF)
            ++next;
        if (next >= end)
            return std::nullopt;
        if (bytes[next] != 0)
            return Marker{bytes[next], next + 1};
        at = next + 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<JpegFrame> readJpegFrame(const QByteArray& body) {
    const auto byteAt = [&body](qsizetype at) { return static_cast<uchar>(body.at(at)); };
    std::optional<JpegFrame> frame;
    bool sequential = false;
    int scans = 0;
    qsizetype at = 2; // past the start of the image
    while (const std::optional<Marker> marker = nextMarker(body, at)) {
        at = marker->after;
        if (marker->code == endOfImage)
            break;
        if (standsAlone(marker->code))
            continue;
        if (at + 2 > body.size())
            break;
        const qsizetype payload = at + 2;
        if (startsFrame(marker->code) && payload + 6 <= body.size()) {
            // Precision, height and width, then the number of components.
            frame = JpegFrame{byteAt(payload + 5), false, 0};
            sequential = marker->code == 0xC0 || marker->code == 0xC1;
        } else if (marker->code == startOfScan) {
            if (!frame || payload >= body.size())
                return std::nullopt;
            if (++scans == 1)
                frame->singlePass = sequential && byteAt(payload) == frame->components;
        }
        // Past the segment; a scan's coded data follows its header and the search for the next marker skips
        // it.
        at += (byteAt(at) << 8) | byteAt(at + 1);
    }
    if (!frame || scans == 0)
        return std::nullopt;
    frame->scans = scans;
    return frame;
}
