#include "platform/network/PngHeader.h"

std::optional<PngHeader> readPngHeader(const QByteArray& body) {
    // The signature's 8 bytes, the chunk's length and type, then its width and height of 4 bytes each, the
    // bit depth, colour type, compression, filter and interlace method of a byte each.
    constexpr qsizetype fieldsAt = 8 + 4 + 4 + 8;
    if (body.size() < fieldsAt + 5 || !body.startsWith(pngSignature) ||
        QByteArrayView(body).sliced(12, 4) != "IHDR")
        return std::nullopt;
    const auto byteAt = [&body](qsizetype at) { return int(static_cast<uchar>(body.at(at))); };
    return PngHeader{byteAt(fieldsAt), byteAt(fieldsAt + 4) != 0};
}
