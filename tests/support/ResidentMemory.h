#pragma once

#include <QtGlobal>

#include <functional>

// The process's resident memory in bytes, as the kernel counts it: what it holds now.
qint64 residentBytes();

// How far `run` raises the process's resident memory at its peak above what the process held before it: the
// most it held at once. The heap's free pages are handed back first, so that what `run` allocates is counted
// as it is touched rather than found among pages freed earlier. Negative when the peak cannot be reset.
// Other threads should be idle meanwhile, as what they touch counts too.
qint64 peakResidentGrowth(const std::function<void()>& run);
