#pragma once

#include <QByteArray>

#include <optional>

// What a JPEG's header says about decoding it. A picture sent in one pass over all its components decodes
// a strip at a time, at the reduced size a decoder is asked for; a progressive one, or one whose components
// come in separate scans, is held whole as coefficients at its full size until the last scan, whatever size
// it is decoded at.
struct JpegFrame {
    int components = 0;
    bool singlePass = false;
};

// Reads the markers up to the first scan; nothing when they break off or end before it.
std::optional<JpegFrame> readJpegFrame(const QByteArray& body);
