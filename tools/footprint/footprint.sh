#!/usr/bin/env bash
# Footprint of glimmerbox beside a bare Qt tray application, on a virtual display.
#
#   tools/footprint/footprint.sh [BUILD_DIR]      (default: build)
#
# Starts glimmerbox-standin (its timeline frozen, so live games stay live), then side by side on an Xvfb
# display, with trayer as the tray host and dunst as the notification daemon when they are installed:
#   - glimmerbox with nothing pinned (six leagues followed, no favourite team),
#   - glimmerbox with three live pins (the same leagues, three favourite teams whose live games it pins),
#   - glimmerbox-bare-tray, a bare Qt tray application.
# Prints each one's resident memory after SETTLE seconds, the CPU it used over the next WINDOW seconds, its
# peak resident memory and its resident memory at the end, then the lines "rss ratio: R" (three live pins
# against the bare app), "idle cpu nothing pinned %: X", "idle cpu three live pins %: Y", "cpu seconds three
# live pins: C" (over the window), "peak rss three live pins MB: P", "end rss three live pins MB: E",
# "scoreboard requests: N" and "picture requests: M" (both instances together, as the stand-in counted them),
# "nba scoreboard requests: B" (of the whole run), "nba scoreboard requests over the window: W" and "longest
# nba scoreboard gap s: G" (the longest time without an NBA scoreboard request over the window, counted from
# the last one before it and up to its end; the three live pins refresh it every 3 s).
# A figure to read, not a test: nothing here passes or fails.
# Environment:
#   FOOTPRINT_SETTLE (10), FOOTPRINT_WINDOW (30).
#   FOOTPRINT_FAULT: faults for the stand-in, a JSON object or a list of them (tools/standin/README.md);
#     '{"path": "/i/*", "hugePicture": true}' or '{"path": "/i/*", "gifScreen": [4096, 4096]}' makes every
#     picture hostile; '{"path": "/i/*", "longHeader": 10000000}' gives every picture a 10 MB header, and
#     '{"path": "/apis/site/v2/sports/basketball/nba/scoreboard", "gzipBomb": 1024, "afterSeconds": 10}'
#     makes the NBA scoreboard a 4.7 MB gzip stream that inflates to 1 GiB once the live NBA game is pinned.
#   FOOTPRINT_LIVE_LOGO_FAULT: the members of a fault given to the logos of the scenario's four live games
#     alone (the three pinned show six of them), while every other logo stays healthy:
#     '"textChunks": 50' (a 1 x 1 PNG of 385 KB whose text chunks inflate to 395 MB, before its picture data;
#     add '"textAfter": true' for after it) or '"jpegScans": 132000' (a progressive JPEG of 1600 x 1600 under
#     2 MB that repeats its last scan), '"pngPixels": "rgba8", "interlaced": true', '"pngPixels": "grey16"' or
#     '"pngPixels": "rgba16", "interlaced": true' (flat PNGs of 2048 x 2048 in 10 to 40 KB that a reader
#     decodes whole before scaling them down).
#   FOOTPRINT_LOGO_SIDE: the side of the stand-in's logos in pixels (64; the service's own are 500).
#   FOOTPRINT_TEAMS_TAB (1: each of the four team leagues lists 32 teams, and once settled the instance with
#     three live pins opens its settings window on the Teams tab and scrolls it to the end and back, with
#     xdotool, before the figures are taken; its peak then covers the tab, and its logos are asked for after
#     the pinned games'). The run then also prints "settings window s after second launch: T" (from the second
#     launch to the window showing) and "longest saturated gui stretch s: S" (the longest time the GUI thread
#     was running or waiting to run without a break, sampled every 50 ms from the second launch to the end of
#     the scrolling; "while opening" covers the launch to a second after the window showed).
#     FOOTPRINT_FAULT='{"path": "/apis/*", "markedNames": 20000}' makes every team and player name a letter
#     followed by 20,000 combining marks.
#   FOOTPRINT_PICKER (1: once settled, the pointer glides into the top strip, rests on the shown pinned game
#     of the instance with three live pins until its deep card opens, then on the card's SELECT pill, with
#     xdotool, before the figures are taken; with FOOTPRINT_TEAMS_TAB the second launch follows). The run then
#     also prints "picker shows: yes|no" (the instance's overlay grew to the jumbo picker's width within 30 s)
#     and "longest saturated gui stretch from picker s: S" (as below, sampled from the glide into the strip
#     to 10 s after the picker showed or gave up). FOOTPRINT_FAULT='{"path":
#     "/apis/site/v2/sports/basketball/nba/scoreboard", "manyGames": 7032}' gives the NBA 7,032 tiny live
#     games (2 MB; 50000 for 14.6 MB).
#   FOOTPRINT_SHOT: a file to save the screen in at the end (PNG, with ImageMagick's import), to see which
#     logos are drawn.
set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${1:-build}
[[ $build_dir = /* ]] || build_dir="$repo_root/$build_dir"
settle=${FOOTPRINT_SETTLE:-10}
window=${FOOTPRINT_WINDOW:-30}
logo_side=${FOOTPRINT_LOGO_SIDE:-64}
teams_tab=${FOOTPRINT_TEAMS_TAB:-0}
picker=${FOOTPRINT_PICKER:-0}
shot=${FOOTPRINT_SHOT:-}

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
if [[ $teams_tab = 1 ]]; then
    command -v xdotool >/dev/null || { echo "footprint: FOOTPRINT_TEAMS_TAB needs xdotool" >&2; exit 2; }
fi
if [[ $picker = 1 ]]; then
    for tool in xdotool xwininfo; do
        command -v "$tool" >/dev/null || { echo "footprint: FOOTPRINT_PICKER needs $tool" >&2; exit 2; }
    done
fi
if [[ -n $shot ]]; then
    command -v import >/dev/null || { echo "footprint: FOOTPRINT_SHOT needs ImageMagick's import" >&2; exit 2; }
    [[ $shot = /* ]] || shot="$PWD/$shot"
fi

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

# --- the stand-in service ---
teams_per_league=0
[[ $teams_tab = 1 ]] && teams_per_league=32
faults=()
[[ -n ${FOOTPRINT_FAULT:-} ]] && faults+=(--fault "$FOOTPRINT_FAULT")
if [[ -n ${FOOTPRINT_LIVE_LOGO_FAULT:-} ]]; then
    for logo in nba/500/bos nba/500/lal nfl/500/phi nfl/500/dal nhl/500/tor nhl/500/nyr soccer/500/363 \
        soccer/500/359; do
        faults+=(--fault "{\"path\": \"/i/teamlogos/$logo.png\", $FOOTPRINT_LIVE_LOGO_FAULT}")
    done
fi
"$standin" --port 0 --speed 0 --logo-side "$logo_side" --teams "$teams_per_league" "${faults[@]}" \
    >"$work/standin.out" 2>"$work/standin.log" &
pids+=($!)
wait_for_file "$work/standin.out" 10 || { echo "footprint: the stand-in did not start" >&2; exit 1; }
port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/standin.out" | head -n1)
[[ -n $port ]] || { echo "footprint: cannot read the stand-in's port" >&2; exit 1; }

# run_in_home NAME LOG: glimmerbox on the throw-away home NAME, in the background, its output to LOG; a second
# run on a home asks the running one to open its settings window.
run_in_home() {
    local home="$work/$1"
    HOME="$home/home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" \
        XDG_RUNTIME_DIR="$home/runtime" GLIMMERBOX_API_BASE="http://127.0.0.1:$port/apis/site/v2/sports" \
        GLIMMERBOX_IMAGE_BASE="http://127.0.0.1:$port" "$app" >"$work/$2" 2>&1 &
}

# start_glimmerbox NAME FAVORITES: glimmerbox on a throw-away home of its own (six leagues followed, the given
# favourite team ids); sets started_pid.
start_glimmerbox() {
    local home="$work/$1" preferences escaped
    mkdir -p "$home"/{home,config/Glimmerbox,cache,data}
    mkdir -m 700 "$home/runtime"
    preferences='{"enabledLeagues":["nba","nfl","epl","f1","atp","nhl"],"favoriteTeamIds":['"$2"'],'
    preferences+='"autoFollowFavorites":true,"maxPinnedGames":3,"useNotch":true,"launchAtLogin":false}'
    escaped=${preferences//\\/\\\\}
    escaped=${escaped//\"/\\\"}
    printf '[General]\nhasCompletedOnboarding=true\nuserPreferences="%s"\n' "$escaped" \
        >"$home/config/Glimmerbox/Glimmerbox.conf"
    run_in_home "$1" "$1.log"
    started_pid=$!
    pids+=("$started_pid")
}

# scroll_teams_tab NAME: opens the settings window of the instance on home NAME, selects the Teams tab (the
# third of seven buttons centred in the window's 550 px top bar) and scrolls the list to its end and back,
# a few rows at a time, so that every row's logo is asked for and drawn.
scroll_teams_tab() {
    sample_gui_thread "$pinned_pid" "$work/gui-thread.samples" &
    local sampler=$! launched window
    pids+=("$sampler")
    launched=$(now_us)
    run_in_home "$1" "$1-activation.log"
    wait $! || true
    local tries=600
    until window=$(xdotool search --onlyvisible --name '^Glimmerbox Settings$' 2>/dev/null | head -n1) &&
        [[ -n $window ]]; do
        ((tries-- > 0)) || { echo "footprint: the settings window did not show within 30 s" >&2; exit 1; }
        sleep 0.05
    done
    shown=$(now_us)
    settings_seconds=$(awk -v a="$launched" -v b="$shown" 'BEGIN { printf "%.2f", (b - a) / 1e6 }')
    sleep 1
    xdotool mousemove --window "$window" 207 30 click 1
    sleep 2
    xdotool mousemove --window "$window" 275 300
    for button in 5 4; do
        for _ in $(seq 90); do
            xdotool click "$button"
            sleep 0.1
        done
        sleep 1
    done
    kill "$sampler" 2>/dev/null || true
    wait "$sampler" 2>/dev/null || true
    stall_seconds=$(longest_saturated_stretch "$work/gui-thread.samples")
    opening_stall_seconds=$(longest_saturated_stretch "$work/gui-thread.samples" $((shown + 1000000)))
}

# open_picker PID: the overlay of the instance PID (440 x 680 at the top centre of the 1920 px screen) opens
# its deep card under the resting pointer, then the jumbo picker from the card's SELECT pill. The application
# follows the pointer through raw motion events, which relative moves make and absolute warps do not.
overlay_of() {
    local id
    for id in $(xdotool search --pid "$1" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
            /Width:/ { w = $NF } /Height:/ { h = $NF } END { exit !(x == 740 && y == 0 && w == 440 && h == 680) }' &&
            { echo "$id"; return; }
    done
}
# The painted panel's "WIDTH HEIGHT": the extents of the overlay window's shape.
overlay_panel() {
    xwininfo -id "$1" -shape 2>/dev/null | grep -i -A2 'window shape extents' |
        grep -o -m1 '[0-9]*x[0-9]*' | sed 's/x/ /'
}
wait_for_panel() { # overlay seconds test-on-"W H"
    local tries=$(($2 * 20)) size
    while ((tries-- > 0)); do
        size=$(overlay_panel "$1")
        [[ -n $size ]] && $3 $size && return 0
        sleep 0.05
    done
    return 1
}
deep_card() { [[ $1 = 340 && $2 -gt 120 ]]; }
jumbo_picker() { [[ $1 = 380 ]]; }
deep_card_or_picker() { deep_card "$@" || jumbo_picker "$@"; }
open_picker() {
    local overlay
    overlay=$(overlay_of "$1")
    [[ -n $overlay ]] || { echo "footprint: no overlay window of $1" >&2; exit 1; }
    sample_gui_thread "$1" "$work/picker.samples" &
    local sampler=$!
    pids+=("$sampler")
    xdotool mousemove 960 40
    for _ in 1 2 3 4 5 6; do xdotool mousemove_relative -- 0 -5; sleep 0.1; done
    picker_shows=no
    # With nothing pinned, the strip opens the idle panel and its picker at once.
    if wait_for_panel "$overlay" 30 deep_card_or_picker; then
        if ! jumbo_picker $(overlay_panel "$overlay"); then
            for _ in 1 2 3 4 5 6 7; do xdotool mousemove_relative -- 5 20; sleep 0.1; done
        fi
        wait_for_panel "$overlay" 30 jumbo_picker && picker_shows=yes
    fi
    sleep 10
    kill "$sampler" 2>/dev/null || true
    wait "$sampler" 2>/dev/null || true
    picker_stall_seconds=$(longest_saturated_stretch "$work/picker.samples")
}

now_us() { echo "${EPOCHREALTIME/[.,]/}"; }
# sample_gui_thread PID FILE: every 50 ms a line "MICROSECONDS RUN_NS WAIT_NS" with the time and the GUI (main)
# thread's time running and waiting to run so far, until killed.
sample_gui_thread() {
    local run wait_ns
    while read -r run wait_ns _ <"/proc/$1/task/$1/schedstat"; do
        echo "$(now_us) $run $wait_ns"
        sleep 0.05
    done >"$2"
}
# longest_saturated_stretch FILE [UNTIL_US]: the longest run of sample intervals (up to UNTIL_US) in which the
# thread was running or waiting to run for at least 90 % of the time, in seconds.
longest_saturated_stretch() {
    awk -v until="${2:-0}" 'until > 0 && $1 > until { exit }
        NR > 1 { dt = $1 - t; busy = ($2 + $3 - b) / 1000; run = (dt > 0 && busy >= 0.9 * dt) ? run + dt : 0
                 if (run > longest) longest = run }
        { t = $1; b = $2 + $3 }
        END { printf "%.2f\n", longest / 1e6 }' "$1"
}

# --- the three applications, side by side ---
start_glimmerbox unpinned ''
unpinned_pid=$started_pid
start_glimmerbox pinned '"2","21","363"'
pinned_pid=$started_pid
"$bare" >"$work/bare.log" 2>&1 &
bare_pid=$!
pids+=("$bare_pid")

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
peak_rss_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }
# CPU time in microseconds, one "TID MICROSECONDS" line per thread: the scheduler's nanosecond counts where the
# kernel keeps them (the tick counts of /proc/PID/stat are too coarse for figures below 0.1 %), else
# utime + stime of the whole process under the pseudo thread 0.
thread_cpu_us() {
    if [[ -r /proc/$1/schedstat ]]; then
        local task
        for task in /proc/"$1"/task/*; do
            [[ -r $task/schedstat ]] && echo "${task##*/} $(awk '{ printf "%d", $1 / 1000 }' "$task/schedstat" 2>/dev/null)"
        done
    else
        awk -v hz="$(getconf CLK_TCK)" '{ printf "0 %d\n", ($14 + $15) * 1000000 / hz }' "/proc/$1/stat"
    fi
}
# The CPU a process used between two thread_cpu_us samples: each thread alive at the end counts from its
# first sample (or from zero when it started meanwhile); a thread that ended meanwhile drops out instead of
# taking its earlier time away from the total.
cpu_us_between() {
    awk 'NR == FNR { before[$1] = $2; next } { total += $2 - ($1 in before ? before[$1] : 0) } END { printf "%d\n", total }' \
        <(echo "$1") <(echo "$2")
}
alive() { kill -0 "$1" 2>/dev/null; }

sleep "$settle"
if [[ $picker = 1 ]]; then
    open_picker "$pinned_pid"
fi
if [[ $teams_tab = 1 ]]; then
    scroll_teams_tab pinned
    sleep 2
fi
for pid in "$unpinned_pid" "$pinned_pid" "$bare_pid"; do
    alive "$pid" || { echo "footprint: a process exited early; its log:" >&2; cat "$work"/*.log >&2; exit 1; }
done
nba_scoreboard=/apis/site/v2/sports/basketball/nba/scoreboard
# request_times: the stand-in's "/__times" of the NBA scoreboard: a line "t SECONDS" a request, then "now SECONDS".
request_times() {
    local reply
    reply=$(curl -s "http://127.0.0.1:$port/__times?target=$nba_scoreboard")
    sed -n 's/.*"times":\[\([^]]*\)\].*/\1/p' <<<"$reply" | tr ',' '\n' | sed -n 's/^\([0-9]\)/t \1/p'
    sed -n 's/.*"now":\([0-9.e+-]*\).*/now \1/p' <<<"$reply"
}
window_start_requests=$(request_times | grep -c '^t ' || true)
declare -A rss ticks
for pid in "$unpinned_pid" "$pinned_pid" "$bare_pid"; do
    rss[$pid]=$(rss_kib "$pid")
    ticks[$pid]=$(thread_cpu_us "$pid")
done
sleep "$window"
declare -A peak end
for pid in "$unpinned_pid" "$pinned_pid" "$bare_pid"; do
    ticks[$pid]=$(cpu_us_between "${ticks[$pid]}" "$(thread_cpu_us "$pid")")
    peak[$pid]=$(peak_rss_kib "$pid")
    end[$pid]=$(rss_kib "$pid")
done
[[ -n $shot ]] && import -window root "$shot"
stats=$(curl -s "http://127.0.0.1:$port/__stats" || true)
requests_matching() { # pattern of the path
    grep -o '"'"$1"'[^"]*":[0-9]*' <<<"$stats" | awk -F: '{ n += $NF } END { print n + 0 }'
}
scoreboards=$(requests_matching '[^"]*/scoreboard')
nba_scoreboards=$(requests_matching "$nba_scoreboard")
# The gaps from the last request before the window on, and from the last request to the end.
nba_gap=$(request_times | awk -v from="$window_start_requests" -v w="$window" '
    /^now/ { now = $2; next }
    /^t / { n++; t[n] = $2 }
    END { first = from > 0 ? from : 1; longest = 0
          if (n == 0) { printf "%.2f\n", w; exit }
          for (i = first + 1; i <= n; i++) if (t[i] - t[i - 1] > longest) longest = t[i] - t[i - 1]
          if (now - t[n] > longest) longest = now - t[n]
          printf "%.2f\n", longest }')
pictures=$(requests_matching '/i/')
pinned=$(sed -n 's/^pinnedGameIds=//p' "$work/pinned/config/Glimmerbox/Glimmerbox.conf" | head -n1)

awk -v ur="${rss[$unpinned_pid]}" -v pr="${rss[$pinned_pid]}" -v br="${rss[$bare_pid]}" \
    -v ut="${ticks[$unpinned_pid]}" -v pt="${ticks[$pinned_pid]}" -v bt="${ticks[$bare_pid]}" \
    -v hz=1000000 -v w="$window" -v s="$settle" -v pinned="${pinned:-none}" \
    -v uh="${peak[$unpinned_pid]}" -v ph="${peak[$pinned_pid]}" -v bh="${peak[$bare_pid]}" \
    -v ue="${end[$unpinned_pid]}" -v pe="${end[$pinned_pid]}" -v be="${end[$bare_pid]}" \
    -v scoreboards="$scoreboards" -v pictures="$pictures" 'BEGIN {
    printf "Footprint on a virtual display (resident memory after %d s, CPU over the next %d s)\n", s, w
    printf "  %-30s %10s %22s %14s %12s\n", "", "RSS (MB)", "CPU (% of one core)", "peak RSS (MB)", "end RSS (MB)"
    printf "  %-30s %10.1f %22.2f %14.1f %12.1f\n", "glimmerbox, nothing pinned", ur / 1024, 100 * ut / hz / w, uh / 1024, ue / 1024
    printf "  %-30s %10.1f %22.2f %14.1f %12.1f\n", "glimmerbox, three live pins", pr / 1024, 100 * pt / hz / w, ph / 1024, pe / 1024
    printf "  %-30s %10.1f %22.2f %14.1f %12.1f\n", "bare Qt tray app", br / 1024, 100 * bt / hz / w, bh / 1024, be / 1024
    printf "  pinned games: %s\n", pinned
    printf "rss ratio: %.2f\n", pr / br
    printf "idle cpu nothing pinned %%: %.3f\n", 100 * ut / hz / w
    printf "idle cpu three live pins %%: %.3f\n", 100 * pt / hz / w
    printf "cpu seconds three live pins: %.2f\n", pt / hz
    printf "peak rss three live pins MB: %.1f\n", ph / 1024
    printf "end rss three live pins MB: %.1f\n", pe / 1024
    printf "scoreboard requests: %d\n", scoreboards
    printf "picture requests: %d\n", pictures
}'
echo "nba scoreboard requests: $nba_scoreboards"
echo "nba scoreboard requests over the window: $(($(request_times | grep -c '^t ' || true) - window_start_requests))"
echo "longest nba scoreboard gap s: $nba_gap"
if [[ $teams_tab = 1 ]]; then
    echo "settings window s after second launch: $settings_seconds"
    echo "longest saturated gui stretch s: $stall_seconds"
    echo "longest saturated gui stretch while opening s: $opening_stall_seconds"
fi
if [[ $picker = 1 ]]; then
    echo "picker shows: $picker_shows"
    echo "longest saturated gui stretch from picker s: $picker_stall_seconds"
fi
