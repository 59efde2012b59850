#pragma once

#include <QByteArray>

// One live football event as the service sends it, different for each index: the raw material of the
// generated replies the benchmarks map.
QByteArray generatedScoreboardEvent(int index);
