#!/usr/bin/env bash
# Footprint of glimmerbox beside a bare Qt tray application, on a virtual display.
#
#   tools/footprint/footprint.sh [BUILD_DIR]      (default: build)
#
# Starts glimmerbox-standin, then glimmerbox (six leagues followed, three favourite teams whose live games it
# pins by itself) and glimmerbox-bare-tray side by side on an Xvfb display, with trayer as the tray host and
# dunst as the notification daemon when they are installed. Prints each one's resident memory after SETTLE
# seconds and the CPU it used over the next WINDOW seconds. A figure to read, not a test: nothing here passes
# or fails.
# Environment: FOOTPRINT_SETTLE (10), FOOTPRINT_WINDOW (30).
set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${1:-build}
[[ $build_dir = /* ]] || build_dir="$repo_root/$build_dir"
settle=${FOOTPRINT_SETTLE:-10}
window=${FOOTPRINT_WINDOW:-30}

app="$build_dir/Glimmerbox/glimmerbox"
standin="$build_dir/tools/standin/glimmerbox-standin"
bare="$build_dir/tools/footprint/glimmerbox-bare-tray"
for binary in "$app" "$standin" "$bare"; do
    if [[ ! -x $binary ]]; then
        echo "footprint: $binary is missing; build first (cmake --build $build_dir)" >&2
        exit 2
    fi
done
command -v Xvfb >/dev/null || { echo "footprint: Xvfb is not installed (scripts/install-deps.sh test)" >&2; exit 2; }

# A session bus of our own, so that notifications and the single-instance check stay inside this run.
if [[ -z ${FOOTPRINT_IN_SESSION:-} ]]; then
    exec env FOOTPRINT_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d /tmp/glimmerbox-footprint.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

wait_for_file() { # file seconds
    local tries=$(($2 * 10))
    while [[ ! -s $1 ]] && ((tries-- > 0)); do sleep 0.1; done
    [[ -s $1 ]]
}

# --- virtual display and tray host ---
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for_file "$work/display" 10 || { echo "footprint: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
if command -v trayer >/dev/null; then
    trayer --edge top --align right --widthtype request --height 24 --transparent false \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
    sleep 0.5
fi

# A notification daemon on this display (else the bus would try to start one without a display).
if command -v dunst >/dev/null; then
    dunst >"$work/dunst.log" 2>&1 &
    pids+=($!)
fi

# --- throw-away home: six leagues, three favourite teams with a live game each ---
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Glimmerbox" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
preferences='{"enabledLeagues":["nba","nfl","epl","f1","atp","nhl"],"favoriteTeamIds":["2","21","363"],'
preferences+='"autoFollowFavorites":true,"maxPinnedGames":3,"useNotch":true,"launchAtLogin":false}'
escaped=${preferences//\\/\\\\}
escaped=${escaped//\"/\\\"}
cat >"$XDG_CONFIG_HOME/Glimmerbox/Glimmerbox.conf" <<CONF
[General]
hasCompletedOnboarding=true
userPreferences="$escaped"
CONF

# --- the stand-in service ---
"$standin" --port 0 >"$work/standin.out" 2>"$work/standin.log" &
pids+=($!)
wait_for_file "$work/standin.out" 10 || { echo "footprint: the stand-in did not start" >&2; exit 1; }
port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/standin.out" | head -n1)
[[ -n $port ]] || { echo "footprint: cannot read the stand-in's port" >&2; exit 1; }

# --- the two applications, side by side ---
GLIMMERBOX_API_BASE="http://127.0.0.1:$port/apis/site/v2/sports" GLIMMERBOX_IMAGE_BASE="http://127.0.0.1:$port" \
    "$app" >"$work/glimmerbox.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
"$bare" >"$work/bare.log" 2>&1 &
bare_pid=$!
pids+=("$bare_pid")

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; } # utime + stime (the name holds no spaces)
alive() { kill -0 "$1" 2>/dev/null; }

sleep "$settle"
for pid in "$app_pid" "$bare_pid"; do
    alive "$pid" || { echo "footprint: a process exited early; its log:" >&2; cat "$work"/*.log >&2; exit 1; }
done
app_rss=$(rss_kib "$app_pid")
bare_rss=$(rss_kib "$bare_pid")
app_ticks=$(cpu_ticks "$app_pid")
bare_ticks=$(cpu_ticks "$bare_pid")
sleep "$window"
app_ticks=$(($(cpu_ticks "$app_pid") - app_ticks))
bare_ticks=$(($(cpu_ticks "$bare_pid") - bare_ticks))
hz=$(getconf CLK_TCK)
pinned=$(sed -n 's/^pinnedGameIds=//p' "$XDG_CONFIG_HOME/Glimmerbox/Glimmerbox.conf" | head -n1)

awk -v ar="$app_rss" -v br="$bare_rss" -v at="$app_ticks" -v bt="$bare_ticks" -v hz="$hz" -v w="$window" \
    -v s="$settle" -v pinned="${pinned:-none}" 'BEGIN {
    printf "Footprint on a virtual display (resident memory after %d s, CPU over the next %d s)\n", s, w
    printf "  %-22s %12s %22s\n", "", "RSS (MB)", "CPU (% of one core)"
    printf "  %-22s %12.1f %22.2f\n", "glimmerbox", ar / 1024, 100 * at / hz / w
    printf "  %-22s %12.1f %22.2f\n", "bare Qt tray app", br / 1024, 100 * bt / hz / w
    printf "  RSS ratio %.2f (target <= 1.5); CPU target < 0.3 %%\n", ar / br
    printf "  pinned games: %s\n", pinned
}'
