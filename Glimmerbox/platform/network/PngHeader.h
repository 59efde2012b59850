#pragma once

#include <QByteArray>

#include <optional>

// The bytes every PNG starts with.
inline constexpr QByteArrayView pngSignature("\x89PNG\r\n\x1a\n");

// How a PNG's header says its pixels are stored, which decides whether a reader can scale the picture down
// row by row as it decodes it: an interlaced picture comes in seven passes over the whole of it.
struct PngHeader {
    int bitDepth = 0; // bits a channel (or a palette index)
    bool interlaced = false;
};

// The header chunk, which a PNG starts with after its signature; nothing when it does not.
std::optional<PngHeader> readPngHeader(const QByteArray& body);
