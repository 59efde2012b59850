#pragma once

#include <chrono>

class QThreadPool;

// Waits for the jobs still running on `pool`, at most `bound` (and says so when they outlast it), and lets
// its threads go. The objects that live as long as the process end their pools so as the application object
// goes (qAddPostRoutine): a job still running while the process tears down the state it uses (the picture
// readers' plugins, the time zones) crashes the process or locks up its exit.
void endPool(QThreadPool& pool, std::chrono::milliseconds bound);
