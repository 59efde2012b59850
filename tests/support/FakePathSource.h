#pragma once

#include "platform/network/PathSource.h"

#include <initializer_list>

// A reachability source that reports exactly what a test tells it to.
class FakePathSource final : public PathSource {
    Q_OBJECT
public:
    using PathSource::PathSource;

    void start() override { ++startCount; }
    void cancel() override {}

    void report(bool satisfied, std::initializer_list<InterfaceType> interfaces = {}) {
        emit pathUpdated(NetworkPath{satisfied, QSet<InterfaceType>(interfaces)});
    }

    int startCount = 0;
};
