#pragma once

#include <QList>
#include <QUrl>

#include <optional>

// Where a picture named in a reply is fetched from, or nothing when it is not fetched at all: only http and
// https addresses of a host without a user name or password are. A plain http address is fetched as named
// only from the host and port of one of `configuredBases` that is plain http itself (the stand-in's and the
// offline run's); any other is fetched over https, as the service's own pictures are. Qt reads a plain http
// reply's headers a byte at a time, unbuffered, in a loop that returns to its network thread only when the
// socket runs dry: a host that sends an endless header holds that thread, and grows its memory, for as long
// as it sends, since the abort at the headers' deadline waits for the thread. Over TLS the socket is
// buffered, and the abort gets through.
std::optional<QUrl> pictureFetchURL(const QUrl& named, const QList<QUrl>& configuredBases);
