#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The bytes `make` returns, made on the first call under `key` and kept for the stand-in's life. A hostile
// body is costly to make (megabytes compressed or built) and the same for every request of its fault, which a
// client asks for again and again. The server answers on one thread, so the store needs no lock.
template <typename Make>
QByteArray madeOnce(const QString& key, Make make) {
    static QHash<QString, QByteArray> made;
    auto it = made.find(key);
    if (it == made.end())
        it = made.insert(key, make());
    return *it;
}
