#pragma once

#include <QByteArray>

// A gzip stream of `inflatedMiB` mebibytes of zero bytes, as a hostile server would send it with
// "Content-Encoding: gzip", compressed as `gzip -1` would: 4.5 KB a mebibyte (1 GiB in 4.7 MB). Made once per
// size.
QByteArray gzipOfZeros(int inflatedMiB);
