#!/usr/bin/env bash
# Builds and runs the whole test suite: headless, on a private D-Bus session, with throw-away HOME and XDG dirs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh -DGLIMMERBOX_WERROR=ON

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{home,config,data,cache,state,runtime}
chmod 700 "$scratch/runtime"

env -u DBUS_SESSION_BUS_ADDRESS \
    HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    XDG_CACHE_HOME="$scratch/cache" XDG_STATE_HOME="$scratch/state" XDG_RUNTIME_DIR="$scratch/runtime" \
    QT_QPA_PLATFORM=offscreen \
    dbus-run-session -- ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)" "$@"
