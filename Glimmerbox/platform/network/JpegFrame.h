#pragma once

#include <QByteArray>

#include <optional>

// What a JPEG's markers say about decoding it. A picture sent in one pass over all its components decodes
// a strip at a time, at the reduced size a decoder is asked for; a progressive one, or one whose components
// come in separate scans, is held whole as coefficients at its full size until the last scan, whatever size
// it is decoded at, and each scan walks every block of the components it carries again.
struct JpegFrame {
    int components = 0;
    bool singlePass = false;
    int scans = 0; // up to the end of the image, or of the bytes
};

// Walks the markers to the end of the image as a decoder finds them, past the coded data of each scan and
// past stray bytes where a marker should stand; nothing when there is no frame before the first scan, or no
// scan.
std::optional<JpegFrame> readJpegFrame(const QByteArray& body);
