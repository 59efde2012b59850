#pragma once

#include <QCoroTask>

#include <chrono>
#include <functional>

// Helpers for tests that drive QCoro tasks on the GUI thread.

// Spins the event loop until `task` has finished; fails the test and returns false when it has not finished
// within `timeout` (wall time, only a guard against hangs).
bool runToCompletion(QCoro::Task<> task, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Runs every queued invocation and posted event, including those they post in turn.
void processPendingEvents();

// Spins the event loop until `condition` holds; false (without failing) when `timeout` passes first.
bool spinUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
