#!/usr/bin/env bash
# Builds and runs the whole test suite: headless, on a private D-Bus session, with throw-away HOME and XDG dirs.
# With --sanitize: the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/,
# where any report fails the test that triggered it.
# Usage: scripts/test.sh [--sanitize] [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

if [ "${1:-}" = --sanitize ]; then
    shift
    # Lightly optimised and without debug info, so that the instrumented build stays quick; the reports still
    # name functions. The benchmarks mean nothing under instrumentation. Warnings are the normal pass's
    # business: instrumented code draws false "maybe uninitialized" ones from g++.
    export GLIMMERBOX_BUILD_DIR=build-sanitize
    scripts/build.sh -DGLIMMERBOX_WERROR=OFF -DGLIMMERBOX_SANITIZE=ON -DGLIMMERBOX_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g0"
    # Memory errors, leaks (but for those tests/leak-suppressions.txt explains) and undefined behaviour all fail
    # the run. The test fakes answer whatever still waits when they go, so no test leaves a coroutine suspended.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0
    export LSAN_OPTIONS=suppressions=$PWD/tests/leak-suppressions.txt:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    export GLIMMERBOX_BUILD_DIR=build
    scripts/build.sh -DGLIMMERBOX_WERROR=ON
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{home,config,data,cache,state,runtime}
chmod 700 "$scratch/runtime"

env -u DBUS_SESSION_BUS_ADDRESS \
    HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    XDG_CACHE_HOME="$scratch/cache" XDG_STATE_HOME="$scratch/state" XDG_RUNTIME_DIR="$scratch/runtime" \
    QT_QPA_PLATFORM=offscreen \
    dbus-run-session -- ctest --test-dir "$GLIMMERBOX_BUILD_DIR" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
