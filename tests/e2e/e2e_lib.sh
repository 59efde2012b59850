# Shared pieces of the end-to-end scripts: a private virtual desktop (Xvfb with a tray host, a notification
# daemon and a compositor) on a private D-Bus session, the stand-in service, the application on a throw-away
# configuration, and look-ups of its windows. Source it, then call e2e_begin "$@" first.
#
# A script's arguments: GLIMMERBOX STANDIN OUTPUT_DIR. Exit 77 means skipped: a desktop tool is missing.

# shellcheck shell=bash
set -uo pipefail

e2e_width=1440
e2e_height=900

# Checks the tools, re-runs the calling script inside a private session bus (so that dunst does not meet the
# notification tests' fake daemon), and sets app, standin, out and scratch.
e2e_begin() {
    local tool
    for tool in Xvfb trayer dunst dunstctl xcompmgr xdotool xwininfo import dbus-run-session dbus-send; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps.sh test)"; exit 77; }
    done
    if [ -z "${GLIMMERBOX_E2E_BUS:-}" ]; then
        exec env -u DBUS_SESSION_BUS_ADDRESS GLIMMERBOX_E2E_BUS=1 dbus-run-session -- "$0" "$@"
    fi
    app=$1 standin=$2 out=$3
    mkdir -p "$out"
    scratch=$(mktemp -d)
    pids=()
    trap e2e_cleanup EXIT
}

e2e_cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$scratch"
}

fail() {
    echo "FAIL: $*"
    [ -f "$scratch/app.log" ] && sed 's/^/  app: /' "$scratch/app.log" | tail -20
    exit 1
}

# wait_for SECONDS COMMAND...: runs COMMAND every 0.2 s until it succeeds or SECONDS have passed. COMMAND is
# run again on every try, so pass a function, never "$(...)", which the shell would expand only once.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}

# A non-empty output of COMMAND...: `wait_for 10 has_output find_window "Title"`.
has_output() { [ -n "$("$@")" ]; }

# --- the desktop -----------------------------------------------------------------------------------------
notifications_ready() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null | grep -q true
}

e2e_start_desktop() {
    Xvfb -displayfd 3 -screen 0 ${e2e_width}x${e2e_height}x24 -nolisten tcp 3>"$scratch/display" \
        2>"$scratch/xvfb.log" &
    pids+=($!)
    wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$scratch/display")
    xcompmgr >/dev/null 2>&1 &
    pids+=($!)
    trayer --edge bottom --align right --widthtype request --height 32 --transparent true --alpha 0 \
        --tint 0x202020 --SetDockType true >/dev/null 2>&1 &
    pids+=($!)
    mkdir -p "$scratch/dunst"
    printf '[global]\n    font = DejaVu Sans 10\n    geometry = "320x5-20+60"\n' >"$scratch/dunst/dunstrc"
    dunst -config "$scratch/dunst/dunstrc" >/dev/null 2>&1 &
    pids+=($!)
    # Asking dunst itself before it owns its name would make the bus start another copy without a display.
    wait_for 10 notifications_ready || fail "dunst did not start"
}

# --- the stand-in service ----------------------------------------------------------------------------------
# e2e_start_standin [ARGS...]: starts it (default scenario unless ARGS say otherwise) and sets port.
e2e_start_standin() {
    mkfifo "$scratch/standin.out"
    "$standin" --port 0 "$@" >"$scratch/standin.out" 2>"$scratch/standin.log" &
    pids+=($!)
    exec 4<"$scratch/standin.out"
    local line
    read -r -t 20 line <&4 || fail "the stand-in did not start"
    cat <&4 >/dev/null &
    port=${line##*:}
}

# --- the application ---------------------------------------------------------------------------------------
# e2e_write_config PREFERENCES_JSON [EXTRA_LINES]: a throw-away configuration with onboarding done; sets conf.
e2e_write_config() {
    mkdir -p "$scratch/config/Glimmerbox" "$scratch/cache" "$scratch/data"
    conf=$scratch/config/Glimmerbox/Glimmerbox.conf
    local escaped=${1//\\/\\\\}
    escaped=${escaped//\"/\\\"}
    printf '[General]\nhasCompletedOnboarding=true\nuserPreferences="%s"\n%s' "$escaped" "${2:-}" >"$conf"
}

# The application's environment: the throw-away configuration and the stand-in's address.
app_environment() {
    app_env=(QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
        XDG_DATA_HOME="$scratch/data" GLIMMERBOX_API_BASE="http://127.0.0.1:$port/apis/site/v2/sports"
        GLIMMERBOX_IMAGE_BASE="http://127.0.0.1:$port")
}

# Runs COMMAND... in the application's environment.
e2e_app_env() {
    app_environment
    env "${app_env[@]}" "$@"
}

# Starts the application in the background; sets app_pid to the application's own process (exec, so that
# signals reach it and not a wrapping shell).
e2e_start_app() {
    app_environment
    (exec env "${app_env[@]}" "$app" "$@") >>"$scratch/app.log" 2>&1 &
    app_pid=$!
    pids+=($app_pid)
}

# Whether the application's process has ended.
app_gone() { ! kill -0 "$app_pid" 2>/dev/null; }

# Sends SIGTERM and waits for a clean exit.
e2e_quit_app() {
    kill -TERM "$app_pid"
    wait_for 10 app_gone || fail "the application ignored SIGTERM"
    wait "$app_pid"
    local status=$?
    [ "$status" -eq 0 ] || fail "the application exited with status $status after SIGTERM"
}

# --- windows -----------------------------------------------------------------------------------------------
# Geometry of a viewable window as "x y width height".
geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} /Map State: IsViewable/ {v=1}
        END {if (v) print x, y, w, h}'
}

# The application's viewable windows, one "id x y width height" per line.
app_windows() {
    local id g
    for id in $(xdotool search --pid "$app_pid" 2>/dev/null) $(xdotool search --class glimmerbox 2>/dev/null); do
        g=$(geometry "$id")
        [ -n "$g" ] && echo "$id $g"
    done | sort -u
}

# The overlay window: 440 x 680, hanging from the top edge, centred.
overlay_x=$(((e2e_width - 440) / 2))
has_overlay() { app_windows | grep -q " $overlay_x 0 440 680$"; }
overlay_id() { app_windows | awk -v x=$overlay_x '$2 == x && $3 == 0 && $4 == 440 && $5 == 680 {print $1; exit}'; }

# The overlay's painted panel (set overlay=$(overlay_id) first): the extents of the window's shape,
# "WxH+X+Y" inside the window; its width and height, "W H"; and whether those are W and H.
panel_shape() {
    xwininfo -id "$overlay" -shape 2>/dev/null | grep -i -A2 'window shape extents' |
        grep -o -m1 '[0-9]*x[0-9]*[+-][0-9]*[+-][0-9]*'
}
panel() { panel_shape | sed 's/x/ /; s/[+-].*//'; }
panel_is() { [ "$(panel)" = "$1 $2" ]; }

# The tray icon: the application's small window embedded in the tray at the bottom right.
tray_icon() { app_windows | awk -v h=$e2e_height '$4 <= 64 && $5 <= 64 && $3 > h - 64 {print; exit}'; }

# Waits for the tray icon and sets tray_id, tray_x, tray_y, tray_w, tray_h.
e2e_find_tray_icon() {
    wait_for 20 has_output tray_icon || { app_windows; fail "no tray icon in the tray host"; }
    read -r tray_id tray_x tray_y tray_w tray_h <<<"$(tray_icon)"
}

# Clicks the tray icon with BUTTON (1 left, 3 right).
click_tray_icon() { xdotool mousemove $((tray_x + tray_w / 2)) $((tray_y + tray_h / 2)) click "$1"; }

# The first visible window titled exactly TITLE.
find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }

# Saves a screenshot of the whole screen to OUTPUT_DIR/NAME.png.
screenshot() { import -window root "$out/$1.png" || fail "screenshot $1 failed"; }
